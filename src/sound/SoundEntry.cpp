#include "SoundEntry.h"

#include "Cp1252.h"
#include "PathNames.h"

#include <QDir>

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
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity FileNameCase = Qt::CaseSensitive;
#endif
    QString folder = QDir::cleanPath(appDir);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    const QString path = QDir::cleanPath(file);
    if (!path.startsWith(folder, FileNameCase))
        return file;
    // Stored as the delivered sets are, with Windows separators.
    return u"appdir\\"_s + path.mid(folder.size()).replace(u'/', u'\\');
}

bool isStorable(const QString &entry)
{
    bool encoded = false;
    Cp1252::encode(entry, &encoded);
    return encoded;
}

} // namespace SoundEntry
