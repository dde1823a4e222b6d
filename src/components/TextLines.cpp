#include "TextLines.h"

#include "Cp1252.h"

namespace TextLines {

bool skipByteOrderMark(QByteArray &bytes)
{
    if (!bytes.startsWith(ByteOrderMark))
        return false;
    bytes.remove(0, ByteOrderMark.size());
    return true;
}

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
    std::optional<QByteArray> bytes = SafeFile::read(path);
    if (!bytes)
        return std::nullopt;
    skipByteOrderMark(*bytes);
    return split(Cp1252::decode(*bytes));
}

SafeFile::Result write(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bool encoded = false;
        bytes += Cp1252::encode(line, &encoded) + "\r\n";
        if (!encoded)
            return SafeFile::Result::CannotWrite;
    }
    return SafeFile::write(path, bytes);
}

} // namespace TextLines
