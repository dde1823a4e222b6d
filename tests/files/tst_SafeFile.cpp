#include "AppDirFixture.h"
#include "DiskFull.h"
#include "PermissionChecks.h"
#include "SafeFile.h"

#include <QFile>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class tst_SafeFile : public QObject
{
    Q_OBJECT

private slots:
    void writesInPlaceInAReadOnlyFolder_data();
    void writesInPlaceInAReadOnlyFolder();
    void leavesSpecialFilesAlone_data();
    void leavesSpecialFilesAlone();
};

void tst_SafeFile::writesInPlaceInAReadOnlyFolder_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<SafeFile::Result>("result");
    QTest::addColumn<QByteArray>("after");

    const QByteArray longer(100, 'n');
    QTest::newRow("shorter") << QByteArray("new") << false << SafeFile::Result::Written << QByteArray("new");
    QTest::newRow("longer") << longer << false << SafeFile::Result::Written << longer;
    QTest::newRow("longer on a full disk")
        << longer << true << SafeFile::Result::CannotWrite << QByteArray("old contents");
}

void tst_SafeFile::writesInPlaceInAReadOnlyFolder()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, diskFull);
    QFETCH(SafeFile::Result, result);
    QFETCH(QByteArray, after);
    AppDirFixture dir;
    const QByteArray old("old contents");
    dir.write(u"sys/list.txt"_s, old);
    const QByteArray folder = QFile::encodeName(dir.path(u"sys"_s));
    QCOMPARE(chmod(folder.constData(), 0555), 0);
    {
        PermissionChecks checks;
        // The disk has room for the old contents only.
        std::optional<DiskFull> full;
        if (diskFull)
            full.emplace(old.size());
        QCOMPARE(SafeFile::write(dir.path(u"sys/list.txt"_s), bytes), result);
        QCOMPARE(SafeFile::write(dir.path(u"sys/new.txt"_s), bytes), SafeFile::Result::CannotCreate);
    }
    chmod(folder.constData(), 0755);
    QCOMPARE(dir.read(u"sys/list.txt"_s), after);
    QVERIFY(!dir.exists(u"sys/new.txt"_s));
}

void tst_SafeFile::leavesSpecialFilesAlone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("pipe") << "pipe";
    QTest::newRow("link to /dev/zero") << "zero";
    QTest::newRow("link to nowhere") << "nowhere";
    QTest::newRow("folder") << "folder";
}

// Nothing blocks, nothing grows without end, and nothing is put in their
// place.
void tst_SafeFile::leavesSpecialFilesAlone()
{
    QFETCH(QString, kind);
    AppDirFixture dir;
    const QString path = dir.path(u"sys/file.txt"_s);
    if (kind == u"pipe"_s)
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    else if (kind == u"folder"_s)
        QVERIFY(QDir().mkpath(path));
    else
        QVERIFY(QFile::link(kind == u"zero"_s ? u"/dev/zero"_s : dir.path(u"nowhere"_s), path));

    QVERIFY(!SafeFile::read(path));
    QCOMPARE(SafeFile::write(path, "text"), SafeFile::Result::CannotCreate);
    QVERIFY(!QFileInfo(path).isFile());
    QVERIFY(!dir.exists(u"nowhere"_s));
}

QTEST_GUILESS_MAIN(tst_SafeFile)
#include "tst_SafeFile.moc"
