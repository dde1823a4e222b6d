#include "PathNames.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace PathNames {

QString fromStored(const QString &stored)
{
    QString path = stored;
    return path.replace(u'\\', u'/');
}

QString findIgnoringCase(const QString &path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;

    const QStringList parts = path.split(u'/');
    QString found = parts.first(); // empty for an absolute path
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString &part = parts[i];
        const QString exact = found + u'/' + part;
        if (part.isEmpty() || QFileInfo::exists(exact)) {
            found = exact;
            continue;
        }
        const QDir folder(found.isEmpty() ? u"/"_s : found);
        const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                     | QDir::NoDotAndDotDot);
        const auto match = std::find_if(entries.begin(), entries.end(), [&](const QString &name) {
            return name.compare(part, Qt::CaseInsensitive) == 0;
        });
        if (match == entries.end())
            return path;
        found += u'/' + *match;
    }
    return found;
}

bool isWithin(const QString &file, const QString &folder)
{
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QString target = QFileInfo(file).canonicalFilePath();
    return !root.isEmpty() && !target.isEmpty() && target.startsWith(root + u'/');
}

} // namespace PathNames
