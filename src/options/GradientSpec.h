#pragma once

// The six values that describe a background gradient. Colours hold red in
// the lowest byte, then green, then blue.
struct GradientSpec
{
    enum Orientation { goVertical = 0, goHorizontal = 1 };

    static constexpr int White = 16777215;
    static constexpr int Blue = 16711680;
    static constexpr int Navy = 8388608;

    int StartColor = White;
    int MiddleColor = Blue;
    int EndColor = Navy;
    Orientation orientation = goVertical;
    bool DoubleGradient = false;
    bool Flipped = false;

    // The colour the gradient begins with, at the top or the left.
    int firstColor() const { return Flipped ? EndColor : StartColor; }

    friend bool operator==(const GradientSpec &, const GradientSpec &) = default;
};
