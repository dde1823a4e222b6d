#include "AppDirFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

AppDirFixture::AppDirFixture(const QString &folderName)
    : m_path(m_dir.path() + u'/' + (folderName.isEmpty() ? QString() : folderName + u'/'))
{
    QDir(m_path).mkpath(u"sys"_s);
    write(u"sys/multable.ini"_s, QByteArray());
    write(u"sys/choices.txt"_s, QByteArray());
}

QString AppDirFixture::path() const
{
    return m_path;
}

QString AppDirFixture::path(const QString &relative) const
{
    return path() + relative;
}

void AppDirFixture::write(const QString &relative, const QByteArray &bytes) const
{
    const QString target = path(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile file(target);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray AppDirFixture::read(const QString &relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool AppDirFixture::exists(const QString &relative) const
{
    return QFileInfo::exists(path(relative));
}

void AppDirFixture::remove(const QString &relative) const
{
    QFile::remove(path(relative));
}
