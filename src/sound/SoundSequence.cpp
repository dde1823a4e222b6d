#include "SoundSequence.h"

#include "PathNames.h"
#include "SoundEntry.h"
#include "TextLines.h"

using namespace Qt::StringLiterals;

SoundSequence::SoundSequence()
    : m_entries(EntryCount)
{
}

SoundSequence SoundSequence::defaults()
{
    SoundSequence sequence;
    sequence.m_entries.fill(DefaultEntry);
    return sequence;
}

QString SoundSequence::filePath(const QString &appDir, int number)
{
    return PathNames::findIgnoringCase(appDir + u"sys/Sound%1.txt"_s.arg(number));
}

std::optional<SoundSequence> SoundSequence::load(const QString &path)
{
    const std::optional<QStringList> lines = TextLines::read(path);
    if (!lines)
        return std::nullopt;
    SoundSequence sequence = defaults();
    for (qsizetype i = 0; i < lines->size(); ++i) {
        if (i < EntryCount)
            sequence.m_entries[i] = lines->at(i);
        else
            sequence.m_kept << lines->at(i);
    }
    return sequence;
}

SafeFile::Result SoundSequence::save(const QString &path) const
{
    return TextLines::write(path, m_entries + m_kept);
}

void SoundSequence::setEntry(int index, const QString &entry)
{
    if (index >= 0 && index < EntryCount)
        m_entries[index] = entry;
}

QString SoundSequence::resolved(int index, const QString &appDir) const
{
    return SoundEntry::resolve(appDir, entry(index));
}
