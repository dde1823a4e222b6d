#include "HistoryFile.h"

#include "Cp1252.h"
#include "HistoryLine.h"
#include "TextLines.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isRegularOrAbsent(const QString &path, QString *errorText)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return true;
    if (errorText)
        *errorText = u"Not a regular file"_s;
    return false;
}

// The last `maxBytes` of the file, starting at a whole line.
std::optional<QByteArray> tail(const QString &path, qint64 maxBytes)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 start = std::max<qint64>(0, file.size() - maxBytes);
    if (!file.seek(start))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (start > 0)
        bytes.remove(0, bytes.indexOf('\n') + 1);
    return bytes;
}

QByteArrayView withoutLineEnd(QByteArrayView line)
{
    return line.endsWith('\r') ? line.chopped(1) : line;
}

} // namespace

namespace HistoryFile {

// Read from the end, so that a long file costs no more than the answers kept.
Contents read(const QString &path)
{
    Contents contents;
    const auto bytes = tail(path, MaxReadBytes);
    if (!bytes)
        return contents;
    contents.readable = true;
    const QByteArrayView all(*bytes);
    // Each turn reads the line that ends at `end` (its "\n" excluded).
    qsizetype end = all.endsWith('\n') ? all.size() - 1 : all.size();
    for (;;) {
        const qsizetype start = all.first(end).lastIndexOf('\n') + 1;
        if (auto answer = HistoryLine::parse(withoutLineEnd(all.sliced(start, end - start))))
            contents.answers.append(*answer);
        if (start == 0 || contents.answers.size() == MaxAnswers)
            break;
        end = start - 1;
    }
    std::reverse(contents.answers.begin(), contents.answers.end());
    return contents;
}

qsizetype lineCount(const QString &path)
{
    const auto bytes = tail(path, MaxReadBytes);
    return bytes ? bytes->count('\n') : 0;
}

bool append(const QString &path, const QList<Answer> &answers, QString *errorText)
{
    if (!isRegularOrAbsent(path, errorText))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    const qint64 oldSize = file.size();
    QByteArray bytes;
    if (oldSize == 0) {
        bytes += Cp1252::encode(HistoryLine::header()) + "\r\n";
    } else if (file.seek(oldSize - 1) && file.read(1) != "\n") {
        bytes += "\r\n"; // a line cut short by an earlier crash stays apart
    }
    for (const Answer &answer : answers)
        bytes += Cp1252::encode(HistoryLine::format(answer)) + "\r\n";

    const bool written = file.seek(oldSize) && file.write(bytes) == bytes.size() && file.flush();
    if (!written) {
        // A write cut short without an error is a full disk.
        if (errorText)
            *errorText = file.error() == QFile::NoError ? u"No space left on the disk"_s
                                                        : file.errorString();
        file.resize(oldSize);
    }
    return written;
}

bool rewrite(const QString &path, const QList<Answer> &answers, QString *errorText)
{
    if (!isRegularOrAbsent(path, errorText))
        return false;
    QStringList lines;
    lines.reserve(answers.size() + 1);
    lines << HistoryLine::header();
    for (const Answer &answer : answers)
        lines << HistoryLine::format(answer);
    return TextLines::write(path, lines, errorText);
}

} // namespace HistoryFile
