#pragma once

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

    // Eight entries naming the program's default sound.
    static SoundSequence defaults(const QString &appDir);
    static QString defaultEntry(const QString &appDir);

    // The file of set 1 to 5, found without regard to letter case.
    static QString filePath(const QString &appDir, int number);

    // No value when the file can't be read. A short file is padded with the
    // default sound; lines after the eighth are kept for saving.
    static std::optional<SoundSequence> load(const QString &path, const QString &appDir);
    bool save(const QString &path, QString *errorText = nullptr) const;

    QString entry(int index) const { return m_entries.value(index); }
    void setEntry(int index, const QString &entry);
    QString entry(SoundEvent event) const { return entry(static_cast<int>(event) - 1); }

    // The file an entry names.
    QString resolved(int index, const QString &appDir) const;

    QStringList entries() const { return m_entries; }

private:
    QStringList m_entries;
    QStringList m_kept;
};
