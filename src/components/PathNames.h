#pragma once

#include <QString>

namespace PathNames {

// Stored paths may separate folders with "\"; on disk they use "/".
QString fromStored(const QString &stored);

// The existing file whose path matches without regard to letter case
// (Default.wav finds default.wav), or the path unchanged when none does.
QString findIgnoringCase(const QString &path);

// Whether an existing file lies inside the folder or one below it, once
// symbolic links and ".." are resolved.
bool isWithin(const QString &file, const QString &folder);

} // namespace PathNames
