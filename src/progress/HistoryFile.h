#pragma once

#include "Answer.h"

#include <QList>
#include <QString>

// The history file on disk. Only a regular file is read or appended to, so a
// folder or a pipe in its place never blocks the program.
namespace HistoryFile {

// The answers the file keeps: older ones are dropped when it is rewritten.
inline constexpr int MaxAnswers = 50000;
// Only the end of a bigger file is read.
inline constexpr qint64 MaxReadBytes = 32 * 1024 * 1024;

struct Contents
{
    QList<Answer> answers; // the last MaxAnswers readable answers, oldest first
    bool readable = false; // the file exists and could be read
};

Contents read(const QString &path);

// The lines of the file, readable or not: a quick upper bound of its answers.
qsizetype lineCount(const QString &path);

// Adds the answers at the end of the file, starting it with its header line
// when it is new. A failed write takes back what it wrote, so the file stays
// as it was; errorText then gets the message of the program's other files.
bool append(const QString &path, const QList<Answer> &answers, QString *errorText = nullptr);

// Replaces the file by the header and these answers; the old file stays
// whole until the new one is complete.
bool rewrite(const QString &path, const QList<Answer> &answers, QString *errorText = nullptr);

} // namespace HistoryFile
