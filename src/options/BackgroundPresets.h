#pragma once

#include "GradientSpec.h"

#include <QString>

#include <array>

// The seven ready-made backgrounds of the screen colour window, in the order
// of their swatches, with the names their buttons show in every language.
namespace BackgroundPresets {

struct Preset
{
    const char *name;
    GradientSpec background;
};

constexpr int Count = 7;

const std::array<Preset, Count> &all();

} // namespace BackgroundPresets
