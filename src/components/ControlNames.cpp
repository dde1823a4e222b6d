#include "ControlNames.h"

#include <QRegularExpression>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// "&&" stands for one "&"; any other "&" only marks the shortcut letter.
QString spoken(const QString &text)
{
    static const QRegularExpression marker(u"&(.)"_s);
    QString said = text;
    return said.replace(marker, u"\\1"_s);
}

} // namespace

void ControlNames::name(QWidget *control, const QString &text)
{
    control->setAccessibleName(spoken(text));
}

void ControlNames::namePicture(QWidget *button, const QString &text)
{
    name(button, text);
    button->setToolTip(spoken(text));
}
