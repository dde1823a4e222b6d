#include "SoundEntry.h"

#include "PathNames.h"

namespace SoundEntry {

QString resolve(const QString &appDir, const QString &entry)
{
    // The prefix is matched letter for letter: "AppDir\..." is a full path.
    const QString path = entry.startsWith(QStringLiteral("appdir")) ? appDir + entry.mid(7) : entry;
    return PathNames::findIgnoringCase(PathNames::fromStored(path));
}

} // namespace SoundEntry
