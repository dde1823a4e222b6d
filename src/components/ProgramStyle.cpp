#include "ProgramStyle.h"

#include <QPainter>
#include <QStyleOption>
#include <QPixmap>

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A faint shade inside a rounded line. Only the line needs smoothing: a
    // smoothed fill of the whole box is slow to draw and looks the same.
    painter->save();
    painter->fillRect(option->rect.adjusted(1, 1, -1, -1), QColor(0, 0, 0, 10));
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(option->palette.color(QPalette::Dark), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter->restore();
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);

    QPixmap chevron(16, 16);
    chevron.fill(Qt::transparent);
    QPainter painter(&chevron);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1.6));
    if (icon == SP_ToolBarVerticalExtensionButton) {
        painter.translate(16, 0);
        painter.rotate(90);
    }
    for (int x : {4, 9}) {
        painter.drawLine(QPointF(x, 4), QPointF(x + 3, 8));
        painter.drawLine(QPointF(x + 3, 8), QPointF(x, 12));
    }
    return QIcon(chevron);
}
