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

void TGradient::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool vertical = m_spec.orientation == GradientSpec::goVertical;
    const int extent = vertical ? height() : width();
    const int thickness = GradientTable::bandThickness(extent);
    for (int band = 0; band < GradientTable::Bands; ++band) {
        const int start = GradientTable::bandStart(band, extent);
        const QRect rect = vertical ? QRect(0, start, width(), thickness)
                                    : QRect(start, 0, thickness, height());
        painter.fillRect(rect, ColorValue::toColor(m_table.color(band)));
    }
}
