#pragma once

#include <QString>

namespace TextExcerpt {

inline constexpr qsizetype MaxLength = 60;

// Text from a file, as a message quotes it: cut to a readable length with
// "…" when longer, so that a damaged file can't fill the screen.
QString shortened(const QString &text);

} // namespace TextExcerpt
