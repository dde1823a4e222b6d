#pragma once

#include <QColor>

// Colours are kept as integers with red in the lowest byte, then green, then
// blue, the way the settings store them.
namespace ColorValue {

inline QColor toColor(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline int fromColor(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

} // namespace ColorValue
