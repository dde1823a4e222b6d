#include "ScreenCentre.h"

#include <QApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

namespace {

QMargins frameOf(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
            frame.bottom() - inside.bottom()};
}

// The frame of another window that has been on screen.
QMargins otherFrame(const QWidget *window)
{
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (const QMargins frame = frameOf(other); other != window && !frame.isNull())
            return frame;
    }
    return {};
}

} // namespace

void ScreenCentre::place(QWidget *window)
{
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QMargins own = frameOf(window);
    const QMargins frame = own.isNull() ? otherFrame(window) : own;
    QRect outside = window->geometry().marginsAdded(frame);
    outside.moveCenter(screen->availableGeometry().center());
    // Until the window has had its frame, a move places its inside.
    window->move(own.isNull() ? outside.topLeft() + QPoint(frame.left(), frame.top()) : outside.topLeft());
}
