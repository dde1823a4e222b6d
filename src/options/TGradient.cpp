#include "TGradient.h"

#include "ColorValue.h"

#include <QPainter>

TGradient::TGradient(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

template<typename T>
void TGradient::change(T &field, T value)
{
    if (field == value)
        return;
    field = value;
    m_table = GradientTable(m_spec);
    update();
}

void TGradient::setStartColor(int color) { change(m_spec.StartColor, color); }
void TGradient::setMiddleColor(int color) { change(m_spec.MiddleColor, color); }
void TGradient::setEndColor(int color) { change(m_spec.EndColor, color); }
void TGradient::setOrientation(GradientSpec::Orientation orientation) { change(m_spec.orientation, orientation); }
void TGradient::setDoubleGradient(bool on) { change(m_spec.DoubleGradient, on); }
void TGradient::setFlipped(bool on) { change(m_spec.Flipped, on); }

void TGradient::setSpec(const GradientSpec &spec)
{
    setStartColor(spec.StartColor);
    setMiddleColor(spec.MiddleColor);
    setEndColor(spec.EndColor);
    setDoubleGradient(spec.DoubleGradient);
    setOrientation(spec.orientation);
    setFlipped(spec.Flipped);
}

// Neighbouring bands of one colour are filled as one rectangle, so a plain
// background takes a single fill.
void TGradient::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool vertical = m_spec.orientation == GradientSpec::goVertical;
    const int extent = vertical ? height() : width();
    const int thickness = GradientTable::bandThickness(extent);
    for (int first = 0, last = 0; first < GradientTable::Bands; first = last + 1) {
        const int color = m_table.color(first);
        last = first;
        while (last + 1 < GradientTable::Bands && m_table.color(last + 1) == color)
            ++last;
        const int start = GradientTable::bandStart(first, extent);
        const int length = GradientTable::bandStart(last, extent) + thickness - start;
        const QRect rect = vertical ? QRect(0, start, width(), length)
                                    : QRect(start, 0, length, height());
        painter.fillRect(rect, ColorValue::toColor(color));
    }
}
