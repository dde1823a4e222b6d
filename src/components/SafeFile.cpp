#include "SafeFile.h"

#include <QSaveFile>

namespace SafeFile {

bool write(const QString &path, const QByteArray &bytes, QString *errorText)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                         && file.flush() && file.commit();
    if (!written && errorText)
        *errorText = file.errorString();
    return written;
}

} // namespace SafeFile
