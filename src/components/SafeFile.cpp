#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace SafeFile {

namespace {

bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size() && file.flush();
}

// Overwriting the old bytes needs no new room on the disk, so the old
// contents can always be put back where they were.
Result writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return Result::CannotCreate;
    const QByteArray old = file.readAll();
    if (file.seek(0) && writeAll(file, bytes) && file.resize(bytes.size()))
        return Result::Written;
    if (file.seek(0) && writeAll(file, old))
        file.resize(old.size());
    return Result::CannotWrite;
}

} // namespace

std::optional<QByteArray> read(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxReadSize)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(MaxReadSize);
}

Result write(const QString &path, const QByteArray &bytes)
{
    // A pipe, a device or a link to nowhere is not replaced by a file.
    const QFileInfo target(path);
    if ((target.exists() || target.isSymLink()) && !target.isFile())
        return Result::CannotCreate;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return target.isFile() && target.isWritable() ? writeInPlace(path, bytes) : Result::CannotCreate;
    // A buffered write reports a full disk only when it is flushed.
    if (!writeAll(file, bytes)) {
        file.cancelWriting();
        return Result::CannotWrite;
    }
    return file.commit() ? Result::Written : Result::CannotWrite;
}

Result append(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if ((target.exists() || target.isSymLink()) && !target.isFile())
        return Result::CannotCreate;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return Result::CannotCreate;
    const qint64 oldSize = file.size();
    if (file.seek(oldSize) && writeAll(file, bytes))
        return Result::Written;
    file.resize(oldSize);
    return Result::CannotWrite;
}

QString failureText(Result result, const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    switch (result) {
    case Result::Written:
        return {};
    case Result::CannotCreate:
        return u"Cannot create file %1"_s.arg(native);
    case Result::CannotWrite:
        return u"Unable to write to %1"_s.arg(native);
    }
    return {};
}

void removeLeftovers(const QString &folder, const QStringList &fileNames)
{
    // A name, a dot and six letters or digits, as the saves name their
    // temporary files. Matched by hand: it runs while the program starts.
    const auto isLeftover = [&fileNames](const QString &name) {
        constexpr int Suffix = 7;
        const QStringView tail = QStringView(name).right(Suffix);
        if (name.size() <= Suffix || tail.front() != u'.')
            return false;
        for (QChar c : tail.mid(1)) {
            if (!(c.isDigit() || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
                return false;
        }
        return fileNames.contains(name.left(name.size() - Suffix), Qt::CaseInsensitive);
    };
    QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (isLeftover(name))
            dir.remove(name);
    }
}

} // namespace SafeFile
