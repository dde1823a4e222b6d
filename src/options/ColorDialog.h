#pragma once

#include <optional>

// A colour chooser that opens on the last colour chosen with it.
class ColorDialog
{
public:
    // The colour confirmed, or nothing when the user cancelled.
    std::optional<int> Execute();

    int Color = 0;
};
