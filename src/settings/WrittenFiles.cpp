#include "WrittenFiles.h"

#include "ChoiceFile.h"
#include "OperatorList.h"
#include "SafeFile.h"
#include "SettingsFile.h"
#include "SoundSequence.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace WrittenFiles {

QStringList names()
{
    QStringList names;
    for (const QString &relative : {SettingsFile::RelativePath, ChoiceFile::RelativePath,
                                    OperatorList::relativePath(u"en"_s),
                                    OperatorList::relativePath(u"fr"_s), u"sys/SoundStr.txt"_s})
        names << QFileInfo(relative).fileName();
    for (int number = 1; number <= SoundSequence::SetCount; ++number)
        names << u"Sound%1.txt"_s.arg(number);
    return names;
}

void removeInterruptedSaves(const QString &appDir)
{
    SafeFile::removeLeftovers(appDir + u"sys"_s, names());
}

} // namespace WrittenFiles
