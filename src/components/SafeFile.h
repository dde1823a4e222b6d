#pragma once

#include <QByteArray>
#include <QString>

// The program's one way of writing a file: the old file is replaced only once
// the new one is complete, so a crash or a full disk never leaves half a file.
namespace SafeFile {

bool write(const QString &path, const QByteArray &bytes, QString *errorText = nullptr);

} // namespace SafeFile
