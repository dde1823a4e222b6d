#include "OptionIcons.h"

#include "IconCanvas.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Outline(40, 40, 50);
const QColor Light(255, 246, 170);
const QColor Deep(40, 90, 200);

QLinearGradient run(QPointF from, QPointF to, const QColor &first, const QColor &last)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, first);
    gradient.setColorAt(1, last);
    return gradient;
}

} // namespace

namespace OptionIcons {

QPixmap flip(int size)
{
    return drawIcon(size, [](QPainter &p) {
        const QRectF left(3, 4, 11, 24);
        const QRectF right(18, 4, 11, 24);
        p.setBrush(run(left.topLeft(), left.bottomLeft(), Light, Deep));
        p.drawRect(left);
        p.setBrush(run(right.topLeft(), right.bottomLeft(), Deep, Light));
        p.drawRect(right);
    });
}

// Bands that run down a square, an arrow that turns, and the same bands
// running across another square.
QPixmap turn(int size)
{
    return drawIcon(size, [](QPainter &p) {
        const QColor bands[] = {Light, QColor(120, 190, 230), Deep};
        const QRectF before(2, 2, 15, 15);
        const QRectF after(15, 15, 15, 15);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i) {
            p.setBrush(bands[i]);
            p.drawRect(QRectF(before.left(), before.top() + i * 5, 15, 5));
            p.drawRect(QRectF(after.left() + i * 5, after.top(), 5, 15));
        }
        p.setPen(QPen(Outline, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(before);
        p.drawRect(after);
        QPainterPath arrow;
        arrow.moveTo(21, 3.5);
        arrow.quadTo(28.5, 3.5, 28.5, 11);
        p.drawPath(arrow);
        p.setBrush(Outline);
        p.drawPolygon(QPolygonF({QPointF(25.5, 9.5), QPointF(31.5, 9.5), QPointF(28.5, 13.5)}));
    });
}

QPixmap thermometer(int size)
{
    return drawIcon(size, [](QPainter &p) {
        QPainterPath glass;
        glass.addRoundedRect(QRectF(12.5, 2, 7, 22), 3.5, 3.5);
        glass.addEllipse(QPointF(16, 25), 5.5, 5.5);
        p.setBrush(QColor(235, 240, 248));
        p.drawPath(glass.simplified());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 40, 40));
        p.drawEllipse(QPointF(16, 25), 3.6, 3.6);
        p.drawRoundedRect(QRectF(14.6, 9, 2.8, 15), 1.4, 1.4);
        p.setPen(QPen(Outline, 1.1, Qt::SolidLine, Qt::RoundCap));
        for (int y = 6; y <= 18; y += 4)
            p.drawLine(QPointF(21.5, y), QPointF(24, y));
    });
}

QPixmap calculator(int size)
{
    return drawIcon(size, [](QPainter &p) {
        p.setBrush(QColor(70, 80, 100));
        p.drawRoundedRect(QRectF(6, 2, 20, 28), 3, 3);
        p.setBrush(QColor(190, 225, 170));
        p.drawRect(QRectF(9, 5, 14, 6));
        p.setPen(Qt::NoPen);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                p.setBrush(row == 2 && column == 2 ? QColor(240, 140, 40) : QColor(235, 235, 240));
                p.drawRoundedRect(QRectF(9 + column * 5, 14 + row * 5, 3.8, 3.8), 0.8, 0.8);
            }
        }
    });
}

QPixmap palette(int size)
{
    return drawIcon(size, [](QPainter &p) {
        QPainterPath board;
        board.addEllipse(QRectF(2, 5, 28, 22));
        QPainterPath hole;
        hole.addEllipse(QPointF(20, 21), 3, 2.5);
        p.setBrush(QColor(214, 160, 90));
        p.drawPath(board.subtracted(hole));
        p.setPen(Qt::NoPen);
        const std::pair<QPointF, QColor> blobs[] = {{{9, 12}, QColor(230, 40, 40)},
                                                   {{15, 9.5}, QColor(250, 210, 40)},
                                                   {{22, 11}, QColor(40, 160, 70)},
                                                   {{8, 19}, QColor(40, 100, 220)},
                                                   {{26, 16.5}, QColor(160, 60, 190)}};
        for (const auto &[centre, colour] : blobs) {
            p.setBrush(colour);
            p.drawEllipse(centre, 2.6, 2.6);
        }
    });
}

} // namespace OptionIcons
