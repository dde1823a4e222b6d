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

// The window's own frame once known, else that of another window.
QMargins likelyFrame(const QWidget *window)
{
    if (const QMargins own = frameOf(window); !own.isNull())
        return own;
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
    QRect frame = window->geometry().marginsAdded(likelyFrame(window));
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
