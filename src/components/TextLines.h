#pragma once

#include "SafeFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Plain text lists (one entry per line, Windows-1252): the choice of tables,
// the operator lists, the sound sets and the event names.
namespace TextLines {

// Accepts CR, LF and CR LF line ends and skips the byte-order mark that
// some editors put first; no value when the file can't be read.
std::optional<QStringList> read(const QString &path);

// Writes every line followed by CR LF, through the program's safe writer.
// Nothing is written when a line holds a character outside Windows-1252.
SafeFile::Result write(const QString &path, const QStringList &lines);

QStringList split(const QString &text);

// The UTF-8 byte-order mark: Windows Notepad puts it first.
inline const QByteArray ByteOrderMark("\xEF\xBB\xBF");

// Removes the byte-order mark at the start of the bytes, if any.
bool skipByteOrderMark(QByteArray &bytes);

} // namespace TextLines
