#pragma once

class QString;
class QWidget;

// The names a screen reader says for controls that show no text of their
// own, taken from the language file; the "&" that marks a shortcut in such
// a text is not said.
namespace ControlNames {

void name(QWidget *control, const QString &text);

// A button that shows only a picture: its name is also its tooltip.
void namePicture(QWidget *button, const QString &text);

} // namespace ControlNames
