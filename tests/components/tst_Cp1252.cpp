#include "Cp1252.h"
#include "TextLines.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_Cp1252 : public QObject
{
    Q_OBJECT

private slots:
    void convertsCharacters_data();
    void convertsCharacters();
    void everyByteReadsBackUnchanged();
    void marksCharactersOutsideTheCodePage();
    void splitsLines_data();
    void splitsLines();
};

void tst_Cp1252::convertsCharacters_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("division sign, euro, accent") << QByteArray("\xf7 \x80 \xe9") << u"\u00f7 \u20ac \u00e9"_s;
    QTest::newRow("quotes and dashes") << QByteArray("\x93\x94\x96\x97") << u"\u201c\u201d\u2013\u2014"_s;
    QTest::newRow("plain text") << QByteArray("3 x 7 = 21") << u"3 x 7 = 21"_s;
}

void tst_Cp1252::convertsCharacters()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Cp1252::decode(bytes), text);
    bool ok = false;
    QCOMPARE(Cp1252::encode(text, &ok), bytes);
    QVERIFY(ok);
}

void tst_Cp1252::everyByteReadsBackUnchanged()
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all += char(byte);
    bool ok = false;
    QCOMPARE(Cp1252::encode(Cp1252::decode(all), &ok), all);
    QVERIFY(ok);
}

void tst_Cp1252::marksCharactersOutsideTheCodePage()
{
    bool ok = true;
    QCOMPARE(Cp1252::encode(u"a\u2192b"_s, &ok), QByteArray("a?b"));
    QVERIFY(!ok);
}

void tst_Cp1252::splitsLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF") << "1\r\n2\r\n" << QStringList{"1", "2"};
    QTest::newRow("LF") << "1\n2" << QStringList{"1", "2"};
    QTest::newRow("CR") << "1\r2\r" << QStringList{"1", "2"};
    QTest::newRow("empty lines kept") << "1\r\n\r\n2" << QStringList{"1", "", "2"};
    QTest::newRow("nothing") << "" << QStringList();
}

void tst_Cp1252::splitsLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(TextLines::split(text), lines);
}

QTEST_GUILESS_MAIN(tst_Cp1252)
#include "tst_Cp1252.moc"
