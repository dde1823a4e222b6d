#include "HistoryFile.h"

#include "Cp1252.h"
#include "HistoryLine.h"
#include "TextLines.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

void tellFailure(SafeFile::Result result, const QString &path, QString *errorText)
{
    if (errorText)
        *errorText = SafeFile::failureText(result, path);
}

// The file's last byte; none for a missing or empty file.
std::optional<char> lastByte(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.size() == 0
        || !file.seek(file.size() - 1))
        return std::nullopt;
    const QByteArray last = file.read(1);
    return last.isEmpty() ? std::nullopt : std::optional<char>(last.front());
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
    QByteArray bytes;
    const std::optional<char> last = lastByte(path);
    if (!last)
        bytes += Cp1252::encode(HistoryLine::header()) + "\r\n";
    else if (*last != '\n')
        bytes += "\r\n"; // a line cut short by an earlier crash stays apart
    for (const Answer &answer : answers)
        bytes += Cp1252::encode(HistoryLine::format(answer)) + "\r\n";
    const SafeFile::Result result = SafeFile::append(path, bytes);
    tellFailure(result, path, errorText);
    return result == SafeFile::Result::Written;
}

bool rewrite(const QString &path, const QList<Answer> &answers, QString *errorText)
{
    QStringList lines;
    lines.reserve(answers.size() + 1);
    lines << HistoryLine::header();
    for (const Answer &answer : answers)
        lines << HistoryLine::format(answer);
    const SafeFile::Result result = TextLines::write(path, lines);
    tellFailure(result, path, errorText);
    return result == SafeFile::Result::Written;
}

} // namespace HistoryFile
