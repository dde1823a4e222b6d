#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Plain text lists (one entry per line, Windows-1252): the choice of tables,
// the operator lists, the sound sets and the event names.
namespace TextLines {

// Accepts CR, LF and CR LF line ends; no value when the file can't be read.
std::optional<QStringList> read(const QString &path);

// Writes every line followed by CR LF. The old file is replaced only once the
// new one is complete, so a crash or a full disk never leaves half a file.
bool write(const QString &path, const QStringList &lines, QString *errorText = nullptr);

QStringList split(const QString &text);

} // namespace TextLines
