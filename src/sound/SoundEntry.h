#pragma once

#include <QString>

// A sound-set entry is a full path, or "appdir", one separator and a path
// below the program folder.
namespace SoundEntry {

// The file an entry names, found without regard to letter case.
QString resolve(const QString &appDir, const QString &entry);

// How a chosen file is stored: the "appdir" form for a file anywhere inside
// the program folder, so that the set survives a move of the folder (the
// folder names compared with this platform's letter case); otherwise the
// full path.
QString storedForm(const QString &appDir, const QString &file);

// Whether a stored entry can be written to a set file, which holds only
// Windows-1252 characters.
bool isStorable(const QString &entry);

} // namespace SoundEntry
