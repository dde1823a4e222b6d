#pragma once

#include <QObject>
#include <QString>

// A window's control, found by its name as the tests find every control; a
// missing one ends the test run at once.
template<typename Control>
Control *control(const QObject *window, const QString &name)
{
    auto *found = window->findChild<Control *>(name);
    if (!found)
        qFatal("The window has no control %s", qPrintable(name));
    return found;
}
