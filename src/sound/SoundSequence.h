#pragma once

#include "SafeFile.h"
#include "SoundEvent.h"

#include <QString>
#include <QStringList>

#include <optional>

// One sound set: the stored entries of its eight events, in event order, as
// kept in sys/Sound1.txt to sys/Sound5.txt.
class SoundSequence
{
public:
    static constexpr int EntryCount = 8;
    static constexpr int SetCount = 5;

    // Eight empty entries.
    SoundSequence();

    // The program's default sound, named inside the program folder so that
    // it survives a move of the folder.
    static inline const QString DefaultEntry = QStringLiteral("appdir\\default.wav");
    // Eight entries naming the program's default sound.
    static SoundSequence defaults();

    // The file of set 1 to 5, found without regard to letter case.
    static QString filePath(const QString &appDir, int number);

    // No value when the file can't be read. A short file is padded with the
    // default sound; lines after the eighth are kept for saving.
    static std::optional<SoundSequence> load(const QString &path);
    SafeFile::Result save(const QString &path) const;

    QString entry(int index) const { return m_entries.value(index); }
    void setEntry(int index, const QString &entry);
    QString entry(SoundEvent event) const { return entry(static_cast<int>(event) - 1); }

    // The file an entry names.
    QString resolved(int index, const QString &appDir) const;

    QStringList entries() const { return m_entries; }

    bool operator==(const SoundSequence &other) const = default;

private:
    QStringList m_entries;
    QStringList m_kept;
};
