#include "MasteryLegend.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr int Gap = 6;

} // namespace

MasteryLegend::MasteryLegend(QWidget *parent)
    : QWidget(parent)
{
}

void MasteryLegend::setNames(const std::array<QString, MasteryLook::StateCount> &names)
{
    m_names = names;
    setAccessibleName(QStringList(names.begin(), names.end()).join(u", "_s));
    updateGeometry();
    update();
}

int MasteryLegend::swatchSize() const
{
    return fontMetrics().height() + 4;
}

QSize MasteryLegend::sizeHint() const
{
    int width = 0;
    for (const QString &name : m_names)
        width += swatchSize() + Gap + fontMetrics().horizontalAdvance(name) + 3 * Gap;
    return {width, swatchSize() + 2};
}

void MasteryLegend::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int size = swatchSize();
    int x = 0;
    for (int i = 0; i < MasteryLook::StateCount; ++i) {
        const auto state = MasteryState(i);
        const QRect swatch(x, 1, size, size);
        painter.fillRect(swatch, MasteryLook::fill(state));
        painter.setPen(QColor(160, 160, 160));
        painter.drawRect(swatch);
        MasteryLook::drawSymbol(painter, swatch, state);
        x += size + Gap;
        painter.setPen(palette().color(QPalette::WindowText));
        const int textWidth = fontMetrics().horizontalAdvance(m_names[i]);
        painter.drawText(QRect(x, 1, textWidth, size), Qt::AlignVCenter, m_names[i]);
        x += textWidth + 3 * Gap;
    }
}
