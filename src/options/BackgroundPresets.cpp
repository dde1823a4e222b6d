#include "BackgroundPresets.h"

namespace {

constexpr GradientSpec preset(int start, int middle, int end, GradientSpec::Orientation orientation,
                              bool twice)
{
    GradientSpec spec;
    spec.StartColor = start;
    spec.MiddleColor = middle;
    spec.EndColor = end;
    spec.orientation = orientation;
    spec.DoubleGradient = twice;
    return spec;
}

constexpr auto V = GradientSpec::goVertical;
constexpr auto H = GradientSpec::goHorizontal;
constexpr int White = GradientSpec::White;
constexpr int Blue = GradientSpec::Blue;

} // namespace

namespace BackgroundPresets {

const std::array<Preset, Count> &all()
{
    static const std::array<Preset, Count> presets{{
        {"Aqua", preset(9285131, 9285131, White, V, false)},
        {"Ocean", preset(16777088, Blue, GradientSpec::Navy, V, false)},
        {"Nature", preset(16755712, 4227072, 6776753, V, true)},
        {"Lila", preset(16693475, White, 16693475, H, true)},
        {"Honey", preset(14548991, 4249087, 14548991, V, true)},
        {"Magma", preset(174, Blue, 10790143, V, false)},
        {"Pastel", preset(12895487, White, 16767889, V, true)},
    }};
    return presets;
}

} // namespace BackgroundPresets
