#include "TextLines.h"

#include "Cp1252.h"
#include "SafeFile.h"

#include <QFile>
#include <QFileInfo>

namespace TextLines {

QStringList split(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

std::optional<QStringList> read(const QString &path)
{
    if (QFileInfo(path).isDir())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return split(Cp1252::decode(file.readAll()));
}

bool write(const QString &path, const QStringList &lines, QString *errorText)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += Cp1252::encode(line) + "\r\n";

    return SafeFile::write(path, bytes, errorText);
}

} // namespace TextLines
