#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh program folder in a temporary place, holding a settings file and
// whatever else a test writes into it.
class AppDirFixture
{
public:
    // The program folder is the temporary folder itself, or a folder of the
    // given name inside it.
    explicit AppDirFixture(const QString &folderName = {});

    // The folder, ending with "/".
    QString path() const;
    QString path(const QString &relative) const;

    void write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;
    void remove(const QString &relative) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
};
