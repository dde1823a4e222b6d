#include "TGradient.h"

#include "ColorValue.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

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
    // One line of pixels across the bands, repeated over the whole widget:
    // much cheaper than filling 512 rectangles.
    const bool vertical = m_spec.orientation == GradientSpec::goVertical;
    const int extent = vertical ? height() : width();
    QImage line(vertical ? QSize(1, extent) : QSize(extent, 1), QImage::Format_RGB32);
    const int thickness = GradientTable::bandThickness(extent);
    for (int band = 0; band < GradientTable::Bands; ++band) {
        const QRgb rgb = ColorValue::toColor(m_table.color(band)).rgb();
        const int start = GradientTable::bandStart(band, extent);
        for (int pixel = start; pixel < std::min(start + thickness, extent); ++pixel)
            line.setPixel(vertical ? 0 : pixel, vertical ? pixel : 0, rgb);
    }
    QPainter(this).fillRect(rect(), QBrush(line));
}
