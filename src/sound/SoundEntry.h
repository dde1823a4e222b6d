#pragma once

#include <QString>

// A sound-set entry is a full path, or "appdir", one separator and a path
// below the program folder.
namespace SoundEntry {

QString resolve(const QString &appDir, const QString &entry);

} // namespace SoundEntry
