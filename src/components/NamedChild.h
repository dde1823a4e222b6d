#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

// Controls carry the names their window, its tests and its style find them
// by; these make such named children in one step.

template<typename Object>
Object *named(Object *object, const QString &name)
{
    object->setObjectName(name);
    return object;
}

template<typename Widget>
Widget *makeNamed(QWidget *parent, const QString &name)
{
    return named(new Widget(parent), name);
}

// The base font at a size in pixels, as the drill window's controls are laid
// out for.
inline QFont pixelFont(const QFont &base, int pixels, bool bold = false)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
