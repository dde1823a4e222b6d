#include "ProgramStyle.h"

#include <QPainter>
#include <QStyleOption>
#include <QPixmap>

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    switch (element) {
    case PE_FrameGroupBox:
        drawGroupFrame(option, painter);
        return;
    case PE_FrameFocusRect:
        drawFocusFrame(option->rect, painter);
        return;
    case PE_FrameLineEdit:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (option->state & State_HasFocus)
            drawFocusFrame(option->rect, painter);
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

// The platform's style frames a focused button only after a key moved the
// focus, or not at all.
void ProgramStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus))
        drawFocusFrame(option->rect.adjusted(1, 1, -1, -1), painter);
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                      QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if ((control == CC_ComboBox || control == CC_SpinBox) && (option->state & State_HasFocus))
        drawFocusFrame(option->rect, painter);
}

// A faint shade inside a rounded line. Only the line needs smoothing: a
// smoothed fill of the whole box is slow to draw and looks the same.
void ProgramStyle::drawGroupFrame(const QStyleOption *option, QPainter *painter)
{
    painter->save();
    painter->fillRect(option->rect.adjusted(1, 1, -1, -1), QColor(0, 0, 0, 10));
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(option->palette.color(QPalette::Dark), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter->restore();
}

// Dark enough to stand out on the light panels, with a light inner line
// that keeps it visible on the dark ones.
void ProgramStyle::drawFocusFrame(const QRect &rect, QPainter *painter)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(focusColour(), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter->setPen(QPen(QColor(255, 255, 255, 200), 1));
    painter->drawRect(rect.adjusted(2, 2, -3, -3));
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
