#include "DrillIcons.h"

#include "IconCanvas.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Outline(40, 40, 50);

} // namespace

namespace DrillIcons {

QPixmap wasteBin(int size)
{
    return drawIcon(size, [](QPainter &p) {
        QPainterPath body;
        body.moveTo(8, 10);
        body.lineTo(24, 10);
        body.lineTo(22, 29);
        body.lineTo(10, 29);
        body.closeSubpath();
        p.setBrush(QColor(150, 160, 175));
        p.drawPath(body);
        p.setPen(QPen(QColor(90, 100, 115), 1.4, Qt::SolidLine, Qt::RoundCap));
        for (qreal x : {12.5, 16.0, 19.5})
            p.drawLine(QPointF(x, 13), QPointF(x, 26));
        p.setPen(QPen(Outline, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(120, 130, 145));
        p.drawRoundedRect(QRectF(5, 6, 22, 4), 1.5, 1.5);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(13, 3, 6, 3), 1, 1);
    });
}

QPixmap camera(int size)
{
    return drawIcon(size, [](QPainter &p) {
        p.setBrush(QColor(70, 75, 90));
        p.drawRoundedRect(QRectF(3, 10, 26, 17), 3, 3);
        p.drawRect(QRectF(11, 6, 10, 4));
        p.setBrush(QColor(200, 220, 240));
        p.drawEllipse(QPointF(16, 18.5), 6, 6);
        p.setBrush(QColor(40, 80, 140));
        p.drawEllipse(QPointF(16, 18.5), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 40, 40));
        p.drawEllipse(QPointF(25, 13.5), 1.6, 1.6);
    });
}

QPixmap ambulance(int size)
{
    return drawIcon(size, [](QPainter &p) {
        QPainterPath body;
        body.moveTo(2, 24);
        body.lineTo(2, 9);
        body.lineTo(20, 9);
        body.lineTo(20, 13);
        body.lineTo(26, 13);
        body.lineTo(30, 18);
        body.lineTo(30, 24);
        body.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(body);
        p.setBrush(QColor(170, 210, 240));
        p.drawRect(QRectF(21, 15, 4, 3.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 30, 30));
        p.drawRect(QRectF(9, 11.5, 3, 9));
        p.drawRect(QRectF(6, 14.5, 9, 3));
        p.setBrush(QColor(40, 110, 230));
        p.drawRoundedRect(QRectF(9, 5.5, 5, 3.5), 1, 1);
        p.setPen(QPen(Outline, 1.5));
        p.setBrush(QColor(50, 50, 55));
        p.drawEllipse(QPointF(8, 25), 3, 3);
        p.drawEllipse(QPointF(24, 25), 3, 3);
    });
}

QPixmap backArrow(int size)
{
    return drawIcon(size, [](QPainter &p) {
        QPainterPath arrow;
        arrow.moveTo(3, 16);
        arrow.lineTo(15, 5);
        arrow.lineTo(15, 11);
        arrow.lineTo(29, 11);
        arrow.lineTo(29, 21);
        arrow.lineTo(15, 21);
        arrow.lineTo(15, 27);
        arrow.closeSubpath();
        p.setPen(QPen(QColor(120, 0, 0), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(220, 30, 30));
        p.drawPath(arrow);
    });
}

QPixmap bulb(int size)
{
    return drawIcon(size, [](QPainter &p) {
        QPainterPath glass;
        glass.moveTo(12, 21);
        glass.cubicTo(12, 17, 6, 15, 6, 10.5);
        glass.cubicTo(6, 5, 10.5, 2, 16, 2);
        glass.cubicTo(21.5, 2, 26, 5, 26, 10.5);
        glass.cubicTo(26, 15, 20, 17, 20, 21);
        glass.closeSubpath();
        p.setBrush(QColor(255, 225, 60));
        p.drawPath(glass);
        p.setPen(QPen(QColor(200, 120, 0), 1.2));
        p.drawLine(QPointF(14, 20), QPointF(14, 13));
        p.drawLine(QPointF(18, 20), QPointF(18, 13));
        p.drawLine(QPointF(14, 13), QPointF(18, 13));
        p.setPen(QPen(Outline, 1.5));
        p.setBrush(QColor(160, 165, 175));
        p.drawRoundedRect(QRectF(11.5, 21, 9, 7), 1.5, 1.5);
        p.drawLine(QPointF(11.5, 24.5), QPointF(20.5, 24.5));
        p.drawLine(QPointF(14, 28), QPointF(18, 28));
    });
}

QPixmap monitor(int size)
{
    return drawIcon(size, [](QPainter &p) {
        p.setBrush(QColor(60, 65, 80));
        p.drawRoundedRect(QRectF(2, 4, 28, 20), 2, 2);
        QLinearGradient screen(0, 6, 0, 21);
        screen.setColorAt(0, QColor(120, 200, 255));
        screen.setColorAt(1, QColor(30, 90, 200));
        p.setPen(Qt::NoPen);
        p.setBrush(screen);
        p.drawRect(QRectF(4.5, 6.5, 23, 15));
        p.setPen(QPen(Outline, 1.5));
        p.setBrush(QColor(60, 65, 80));
        p.drawRect(QRectF(13, 24, 6, 3));
        p.drawRoundedRect(QRectF(8, 27, 16, 2.5), 1, 1);
    });
}

QPixmap questionMark(int size)
{
    return drawIcon(size, [](QPainter &p) {
        p.setBrush(QColor(30, 110, 220));
        p.drawEllipse(QRectF(2, 2, 28, 28));
        p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath hook;
        hook.moveTo(11.5, 12);
        hook.cubicTo(11.5, 5.5, 21, 5.5, 21, 11.5);
        hook.cubicTo(21, 15.5, 16, 15.5, 16, 19.5);
        p.drawPath(hook);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 24.5), 2, 2);
    });
}

QPixmap stopwatch(int size)
{
    return drawIcon(size, [](QPainter &p) {
        p.setBrush(QColor(160, 165, 175));
        p.drawRoundedRect(QRectF(13, 2, 6, 4), 1, 1);
        p.drawLine(QPointF(24, 8), QPointF(26.5, 5.5));
        p.setBrush(QColor(230, 60, 40));
        p.drawEllipse(QPointF(16, 18), 12, 12);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 18), 9, 9);
        p.setPen(QPen(Outline, 1.2, Qt::SolidLine, Qt::RoundCap));
        for (int tick = 0; tick < 12; tick += 3) {
            p.save();
            p.translate(16, 18);
            p.rotate(tick * 30);
            p.drawLine(QPointF(0, -8), QPointF(0, -6.5));
            p.restore();
        }
        p.setPen(QPen(QColor(20, 20, 20), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 18), QPointF(20.5, 12.5));
    });
}

QPixmap checkMark(int size)
{
    return drawIcon(size, [](QPainter &p) {
        QPainterPath tick;
        tick.moveTo(4, 17);
        tick.lineTo(12, 25);
        tick.lineTo(28, 7);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 90, 0), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
        p.setPen(QPen(QColor(40, 190, 40), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
    });
}

QPixmap cross(int size)
{
    return drawIcon(size, [](QPainter &p) {
        QPainterPath cross;
        cross.moveTo(7, 7);
        cross.lineTo(25, 25);
        cross.moveTo(25, 7);
        cross.lineTo(7, 25);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(120, 0, 0), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(cross);
        p.setPen(QPen(QColor(225, 40, 40), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(cross);
    });
}

} // namespace DrillIcons
