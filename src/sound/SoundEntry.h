#pragma once

#include <QString>

// A sound-set entry is a full path, or "appdir", one separator and a path
// below the program folder.
namespace SoundEntry {

// The file an entry names, found without regard to letter case.
QString resolve(const QString &appDir, const QString &entry);

// How a chosen file is stored. The root plays the part of a drive: when the
// program folder lies directly below the root and the file lies in it or
// below it, the "appdir" form; otherwise the full path.
QString storedForm(const QString &appDir, const QString &file);

} // namespace SoundEntry
