#include "IconCanvas.h"

#include <QGuiApplication>
#include <QPainter>

namespace {

const QColor Outline(40, 40, 50);

} // namespace

QPixmap drawIcon(int size, const std::function<void(QPainter &)> &paint)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    painter.setPen(QPen(Outline, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    paint(painter);
    return pixmap;
}
