#include "SoundEntry.h"

#include "PathNames.h"

using namespace Qt::StringLiterals;

namespace SoundEntry {

QString resolve(const QString &appDir, const QString &entry)
{
    // The prefix is matched letter for letter: "AppDir\..." is a full path.
    const QString path = entry.startsWith(u"appdir"_s) ? appDir + entry.mid(7) : entry;
    return PathNames::findIgnoringCase(PathNames::fromStored(path));
}

QString storedForm(const QString &appDir, const QString &file)
{
    if (!file.startsWith(u'/'))
        return file;
    // Only the first folder below the root is compared with the program
    // folder. A file lying directly in the root keeps its full path, even
    // when the program folder is the root itself.
    const QString belowRoot = file.mid(1);
    const qsizetype separator = belowRoot.indexOf(u'/');
    if (separator < 0)
        return file;
    const QString firstFolder = u'/' + belowRoot.left(separator + 1);
    if (firstFolder.toLower() != appDir.toLower())
        return file;
    return u"appdir"_s + belowRoot.mid(separator);
}

} // namespace SoundEntry
