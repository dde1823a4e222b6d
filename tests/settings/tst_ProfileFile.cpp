#include "AppDirFixture.h"
#include "ProfileFile.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_ProfileFile : public QObject
{
    Q_OBJECT

private slots:
    void readsValues_data();
    void readsValues();
    void parsesIntegers_data();
    void parsesIntegers();
    void readsBooleans_data();
    void readsBooleans();
    void writesInPlace_data();
    void writesInPlace();
    void survivesBadFiles_data();
    void survivesBadFiles();
    void reportsUnwritableFile();
};

void tst_ProfileFile::readsValues_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << QByteArray("[GLOBAL]\r\nLanguage=fr\r\n") << "fr";
    QTest::newRow("section and key in other letter case")
        << QByteArray("[global]\r\nLANGUAGE=fr\r\n") << "fr";
    QTest::newRow("blanks around") << QByteArray("  [ GLOBAL ]  \r\n  Language  =   fr  \r\n") << "fr";
    QTest::newRow("double quotes") << QByteArray("[GLOBAL]\r\nLanguage=\" fr \"\r\n") << " fr ";
    QTest::newRow("single quotes") << QByteArray("[GLOBAL]\r\nLanguage='fr'\r\n") << "fr";
    QTest::newRow("only one pair of quotes") << QByteArray("[GLOBAL]\r\nLanguage=\"\"fr\"\"\r\n") << "\"fr\"";
    QTest::newRow("value after the first equals sign")
        << QByteArray("[GLOBAL]\r\nLanguage=a=b\r\n") << "a=b";
    QTest::newRow("first of duplicate keys")
        << QByteArray("[GLOBAL]\r\nLanguage=nl\r\nLanguage=de\r\n") << "nl";
    QTest::newRow("key in another section only")
        << QByteArray("[OTHER]\r\nLanguage=nl\r\n[GLOBAL]\r\n") << "default";
    QTest::newRow("empty value gives the default") << QByteArray("[GLOBAL]\r\nLanguage=\r\n") << "default";
    QTest::newRow("LF line ends") << QByteArray("[GLOBAL]\nLanguage=fr\n") << "fr";
    QTest::newRow("no final line end") << QByteArray("[GLOBAL]\r\nLanguage=fr") << "fr";
    QTest::newRow("Windows-1252 text") << QByteArray("[GLOBAL]\r\nLanguage=Fran\xe7\x61is \xf7\r\n")
                                       << QString::fromUtf8("Français ÷");
    QTest::newRow("value cut to 2047 characters")
        << QByteArray("[GLOBAL]\r\nLanguage=" + QByteArray(3000, 'a') + "\r\n")
        << QString(2047, u'a');
}

void tst_ProfileFile::readsValues()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, expected);
    AppDirFixture dir;
    dir.write(u"sys/test.ini"_s, contents);

    const ProfileFile file(dir.path(u"sys/test.ini"_s));
    QCOMPARE(file.readString(u"GLOBAL"_s, u"Language"_s, u"default"_s), expected);
}

void tst_ProfileFile::parsesIntegers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("decimal") << "32647" << 32647;
    QTest::newRow("negative") << "-12" << -12;
    QTest::newRow("plus sign") << "+12" << 12;
    QTest::newRow("dollar hexadecimal") << "$7F87" << 32647;
    QTest::newRow("0x hexadecimal") << "0x7F87" << 32647;
    QTest::newRow("0X hexadecimal") << "0X7f87" << 32647;
    QTest::newRow("eight hexadecimal digits wrap") << "$FFFFFFFF" << -1;
    QTest::newRow("word") << "red" << 99;
    QTest::newRow("number and text") << "12abc" << 99;
    QTest::newRow("decimal with a point") << "1.5" << 99;
    QTest::newRow("too large") << "99999999999" << 99;
    QTest::newRow("nine hexadecimal digits") << "$123456789" << 99;
    QTest::newRow("sign alone") << "-" << 99;
    QTest::newRow("two signs") << "--5" << 99;
    QTest::newRow("empty") << "" << 99;
}

void tst_ProfileFile::parsesIntegers()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(ProfileFile::parseInteger(text).value_or(99), expected);
}

void tst_ProfileFile::readsBooleans_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("expected");

    QTest::newRow("0 is false") << QByteArray("0") << false;
    QTest::newRow("1 is true") << QByteArray("1") << true;
    QTest::newRow("2 is true") << QByteArray("2") << true;
    QTest::newRow("yes is the default") << QByteArray("yes") << true;
}

void tst_ProfileFile::readsBooleans()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, expected);
    AppDirFixture dir;
    dir.write(u"sys/test.ini"_s, "[CHRONO]\r\nJauge=" + value + "\r\n");

    const ProfileFile file(dir.path(u"sys/test.ini"_s));
    QCOMPARE(file.readBool(u"CHRONO"_s, u"Jauge"_s, true), expected);
}

void tst_ProfileFile::writesInPlace_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("replaces the value where it stands")
        << QByteArray("; note\r\n[SON]\r\nbouton = 3\r\nOther=x\r\n")
        << QByteArray("; note\r\n[SON]\r\nbouton =5\r\nOther=x\r\n");
    QTest::newRow("adds the key at the end of its section")
        << QByteArray("[SON]\r\nOther=x\r\n\r\n[NEXT]\r\nA=1\r\n")
        << QByteArray("[SON]\r\nOther=x\r\nBouton=5\r\n\r\n[NEXT]\r\nA=1\r\n");
    QTest::newRow("adds the section at the end of the file")
        << QByteArray("[OTHER]\r\nA=1") << QByteArray("[OTHER]\r\nA=1\r\n[SON]\r\nBouton=5\r\n");
    QTest::newRow("creates a missing file") << QByteArray() << QByteArray("[SON]\r\nBouton=5\r\n");
    QTest::newRow("keeps LF lines and unknown bytes")
        << QByteArray("[X]\n\x81\x8d odd\n[SON]\nBouton=1\n")
        << QByteArray("[X]\n\x81\x8d odd\n[SON]\nBouton=5\n");
    QTest::newRow("an added key after a last line ending with a lone CR")
        << QByteArray("[SON]\r\nOther=x\r") << QByteArray("[SON]\r\nOther=x\r\nBouton=5\r\n");
    QTest::newRow("an added section after a last line ending with a lone CR")
        << QByteArray("[OTHER]\rA=1\r") << QByteArray("[OTHER]\rA=1\r\n[SON]\r\nBouton=5\r\n");
    QTest::newRow("keeps a byte-order mark")
        << QByteArray("\xEF\xBB\xBF[SON]\r\nBouton=1\r\n")
        << QByteArray("\xEF\xBB\xBF[SON]\r\nBouton=5\r\n");
}

void tst_ProfileFile::writesInPlace()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    AppDirFixture dir;
    const QString path = dir.path(u"sys/test.ini"_s);
    if (!before.isEmpty())
        dir.write(u"sys/test.ini"_s, before);
    else
        dir.remove(u"sys/test.ini"_s);

    ProfileFile file(path);
    file.writeInteger(u"SON"_s, u"Bouton"_s, 5);
    QCOMPARE(file.save(), SafeFile::Result::Written);
    QCOMPARE(dir.read(u"sys/test.ini"_s), after);
    QCOMPARE(ProfileFile(path).readInteger(u"son"_s, u"BOUTON"_s, 0), 5);
}

void tst_ProfileFile::survivesBadFiles_data()
{
    QTest::addColumn<QByteArray>("contents");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no sections") << QByteArray("Bouton=3\r\nRange=4\r\n");
    QTest::newRow("lines without equals sign") << QByteArray("[SON]\r\nBouton\r\nnothing here\r\n");
    QTest::newRow("one megabyte line") << QByteArray("[SON]\r\n" + QByteArray(1 << 20, 'x') + "\r\n");
    QTest::newRow("binary bytes") << QByteArray("\x00\x01\xff\xfe[\x00]=\x00\r\n\x1a", 12);
    QTest::newRow("unclosed section") << QByteArray("[SON\r\nOther=1\r\n");
}

// A damaged file gives the default for every key, and writing it back keeps
// its lines.
void tst_ProfileFile::survivesBadFiles()
{
    QFETCH(QByteArray, contents);
    AppDirFixture dir;
    dir.write(u"sys/test.ini"_s, contents);
    const QString path = dir.path(u"sys/test.ini"_s);

    ProfileFile file(path);
    QCOMPARE(file.readInteger(u"SON"_s, u"Bouton"_s, 1), 1);
    file.writeInteger(u"CHRONO"_s, u"Timer1"_s, 7);
    QCOMPARE(file.save(), SafeFile::Result::Written);

    const QByteArray written = dir.read(u"sys/test.ini"_s);
    QVERIFY(written.startsWith(contents));
    QCOMPARE(ProfileFile(path).readInteger(u"CHRONO"_s, u"Timer1"_s, 0), 7);
}

// Something in the way of the file stands for a disk that refuses the write.
void tst_ProfileFile::reportsUnwritableFile()
{
    AppDirFixture dir;
    QDir().mkpath(dir.path(u"sys/test.ini"_s));

    ProfileFile file(dir.path(u"sys/test.ini"_s));
    QVERIFY(!file.exists());
    file.writeInteger(u"SON"_s, u"Bouton"_s, 5);
    QCOMPARE(file.save(), SafeFile::Result::CannotCreate);
    QVERIFY(QFileInfo(dir.path(u"sys/test.ini"_s)).isDir());
}

QTEST_GUILESS_MAIN(tst_ProfileFile)
#include "tst_ProfileFile.moc"
