#pragma once

#include <functional>
#include <optional>

// Every colour chooser of the program opens through here, so that tests can
// answer it instead of blocking on a dialog. Colours hold red in the lowest
// byte, then green, then blue.
namespace ColorChooser {

// Opens on the given colour; the colour confirmed, or nothing when cancelled.
using Handler = std::function<std::optional<int>(int initial)>;

std::optional<int> choose(int initial);

// An empty handler brings back the real colour chooser.
void setHandler(Handler handler);

} // namespace ColorChooser
