#pragma once

#include <QProxyStyle>

// The program's look: the platform's style, with the group frames and the
// menu bar's overflow arrow drawn in code instead of read from picture
// files, which slowed the showing of the first window, and a clear frame
// around the control that has the keyboard focus, whether it came by key
// or by mouse.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    // The colour of the keyboard focus frame.
    static QColor focusColour() { return {0, 70, 200}; }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    static void drawGroupFrame(const QStyleOption *option, QPainter *painter);
    static void drawFocusFrame(const QRect &rect, QPainter *painter);
};
