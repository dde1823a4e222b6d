#include "DrillState.h"
#include "Judgement.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class tst_Judgement : public QObject
{
    Q_OBJECT

private slots:
    void answerValue_data();
    void answerValue();
    void comment_data();
    void comment();
    void resultLine();
};

void tst_Judgement::answerValue_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << u"21"_s << true << 21;
    QTest::newRow("leading zero") << u"012"_s << true << 12;
    QTest::newRow("filler of an empty box") << u"00"_s << true << 0;
    QTest::newRow("largest 32-bit") << u"2147483647"_s << true << 2147483647;
    QTest::newRow("too long for 32 bits") << u"2147483648"_s << false << 0;
    QTest::newRow("eleven digits") << u"12345678901"_s << false << 0;
    QTest::newRow("empty") << QString() << false << 0;
    QTest::newRow("letters") << u"1a"_s << false << 0;
}

void tst_Judgement::answerValue()
{
    QFETCH(QString, answer);
    QFETCH(bool, readable);
    QFETCH(int, value);
    const std::optional<qint32> read = Judgement::answerValue(answer);
    QCOMPARE(read.has_value(), readable);
    if (readable) {
        QCOMPARE(*read, value);
        QVERIFY(Judgement::isRight(answer, value));
    } else {
        QVERIFY(!Judgement::isRight(answer, 0));
    }
}

void tst_Judgement::comment_data()
{
    QTest::addColumn<QString>("languageText");
    QTest::addColumn<QString>("shown");
    QTest::newRow("short") << u"Well done!"_s << u"Well done!"_s;
    QTest::newRow("exactly 20") << u"12345678901234567890"_s << u"12345678901234567890"_s;
    QTest::newRow("25 characters") << u"Absolutely right, bravo!!"_s << u"Absolutely right, br"_s;
    QTest::newRow("missing") << QString() << u"xxxxx"_s;
}

void tst_Judgement::comment()
{
    QFETCH(QString, languageText);
    QFETCH(QString, shown);
    QCOMPARE(Judgement::comment(languageText), shown);
}

void tst_Judgement::resultLine()
{
    DrillState state;
    state.FirstText = u"21"_s;
    state.Sign = u":"_s;
    state.SecondText = u"7"_s;
    state.Expected = 3;
    QCOMPARE(Judgement::resultLine(state), u"21 : 7 = 3"_s);
}

QTEST_GUILESS_MAIN(tst_Judgement)
#include "tst_Judgement.moc"
