#pragma once

#include "GradientSpec.h"

#include <array>

// The 512 colours a background gradient paints, one band each.
class GradientTable
{
public:
    static constexpr int Bands = 512;

    explicit GradientTable(const GradientSpec &spec);

    int color(int band) const { return m_colors[band]; }

    // Where band i begins along a side of the given length, and how thick
    // every band is; neighbouring bands may overlap by a pixel.
    static int bandStart(int band, int extent) { return (band * extent + 255) / Bands; }
    static int bandThickness(int extent) { return extent / Bands + 1; }

private:
    std::array<int, Bands> m_colors{};
};
