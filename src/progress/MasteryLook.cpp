#include "MasteryLook.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace {

void drawStar(QPainter &painter, const QPointF &centre, qreal radius)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? radius : radius * 0.45;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        star << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(star);
}

void drawTick(QPainter &painter, const QPointF &centre, qreal radius)
{
    QPainterPath tick;
    tick.moveTo(centre + QPointF(-radius * 0.8, 0));
    tick.lineTo(centre + QPointF(-radius * 0.2, radius * 0.6));
    tick.lineTo(centre + QPointF(radius * 0.8, -radius * 0.6));
    painter.setPen(QPen(QColor(20, 90, 30), radius * 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
}

void drawExclamation(QPainter &painter, const QPointF &centre, qreal radius)
{
    const QColor ink(120, 50, 0);
    painter.setPen(QPen(ink, radius * 0.35, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(0, -radius * 0.8), centre + QPointF(0, radius * 0.25));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(centre + QPointF(0, radius * 0.75), radius * 0.2, radius * 0.2);
}

void drawRing(QPainter &painter, const QPointF &centre, qreal radius)
{
    painter.setPen(QPen(QColor(30, 70, 140), radius * 0.25));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.55, radius * 0.55);
}

} // namespace

namespace MasteryLook {

QColor fill(MasteryState state)
{
    static const std::array<QColor, StateCount> colours = {
        QColor(236, 236, 236), QColor(198, 219, 247), QColor(255, 196, 120),
        QColor(186, 228, 176), QColor(46, 139, 64)};
    return colours[size_t(state)];
}

void drawSymbol(QPainter &painter, const QRectF &cell, MasteryState state)
{
    const QPointF centre = cell.center();
    const qreal radius = std::min(cell.width(), cell.height()) * 0.32;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (state) {
    case MasteryState::NotSeen:
        break;
    case MasteryState::Learning:
        drawRing(painter, centre, radius);
        break;
    case MasteryState::Shaky:
        drawExclamation(painter, centre, radius);
        break;
    case MasteryState::Known:
        drawTick(painter, centre, radius);
        break;
    case MasteryState::Mastered:
        drawStar(painter, centre, radius * 1.15);
        break;
    }
    painter.restore();
}

} // namespace MasteryLook
