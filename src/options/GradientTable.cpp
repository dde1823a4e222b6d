#include "GradientTable.h"

namespace {

int channel(int color, int shift)
{
    return (color >> shift) & 0xFF;
}

// Step i of 0..255 from colour a to colour z, channel by channel; the
// division truncates toward zero, so a falling channel ends one short.
int step(int a, int z, int i)
{
    int color = 0;
    for (int shift : {0, 8, 16}) {
        const int p = channel(a, shift);
        const int q = channel(z, shift);
        color |= (p + (i * (q - p) + 127) / 255) << shift;
    }
    return color;
}

} // namespace

GradientTable::GradientTable(const GradientSpec &spec)
{
    const int first = spec.firstColor();
    const int last = spec.Flipped ? spec.StartColor : spec.EndColor;
    for (int i = 0; i < 256; ++i) {
        if (spec.DoubleGradient) {
            m_colors[i] = step(first, spec.MiddleColor, i);
            m_colors[256 + i] = step(spec.MiddleColor, last, i);
        } else {
            m_colors[2 * i] = m_colors[2 * i + 1] = step(first, last, i);
        }
    }
}
