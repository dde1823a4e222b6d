#include "TGradient.h"

#include "ColorValue.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <vector>

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
    m_picture = QImage();
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

void TGradient::paintEvent(QPaintEvent *event)
{
    if (m_picture.isNull() || m_picture.size() != size())
        m_picture = paintBands();
    QPainter(this).drawImage(event->rect(), m_picture, event->rect());
}

// Along the bands every line of pixels is the same, so the picture is made
// line by line instead of by filling 512 rectangles.
QImage TGradient::paintBands() const
{
    const bool vertical = m_spec.orientation == GradientSpec::goVertical;
    const int extent = vertical ? height() : width();
    std::vector<QRgb> line(extent);
    const int thickness = GradientTable::bandThickness(extent);
    for (int band = 0; band < GradientTable::Bands; ++band) {
        const int start = GradientTable::bandStart(band, extent);
        const int end = std::min(start + thickness, extent);
        std::fill(line.begin() + start, line.begin() + end,
                  ColorValue::toColor(m_table.color(band)).rgb());
    }
    QImage picture(size(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto *pixels = reinterpret_cast<QRgb *>(picture.scanLine(y));
        if (vertical)
            std::fill_n(pixels, picture.width(), line[y]);
        else
            std::copy(line.begin(), line.end(), pixels);
    }
    return picture;
}
