#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The one way the program reads and writes its files.
namespace SafeFile {

// The files of the program are small; anything larger is not one of them.
inline constexpr qint64 MaxReadSize = 16 * 1024 * 1024;

enum class Result { Written, CannotCreate, CannotWrite };

// The whole contents of a regular file. No value for a missing or
// unreadable file, and none for a pipe, a device or a folder, which could
// block the program or never end.
std::optional<QByteArray> read(const QString &path);

// Replaces the file only once the new contents are complete, so that a full
// disk or an interrupted program never leaves a half or empty file. In a
// folder that refuses new files, an existing writable file is overwritten
// in place, and its old contents are put back when the write fails.
Result write(const QString &path, const QByteArray &bytes);

// Adds the bytes at the end of a regular file, which is made when missing.
// A write cut short (a full disk) is taken back, so the file stays as it was.
Result append(const QString &path, const QByteArray &bytes);

// The message for a failed write: "Cannot create file %1" when the file
// could not be made, "Unable to write to %1" when writing it failed.
QString failureText(Result result, const QString &path);

// Removes what interrupted saves left in a folder: the temporary files named
// after one of the given files (letter case aside) with a dot and six
// letters or digits.
void removeLeftovers(const QString &folder, const QStringList &fileNames);

} // namespace SafeFile
