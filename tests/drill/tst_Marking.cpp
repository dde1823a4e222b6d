#include "Judgement.h"
#include "Marking.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class tst_Marking : public QObject
{
    Q_OBJECT

private slots:
    void markText_data();
    void markText();
    void commaSeparator_data();
    void commaSeparator();
    void calcMarkFillsTheState();
    void answerValue_data();
    void answerValue();
    void comment_data();
    void comment();
    void resultLine();
};

void tst_Marking::markText_data()
{
    QTest::addColumn<double>("mark");
    QTest::addColumn<QString>("text");
    QTest::newRow("8 operations, 1 error") << Marking::mark(1, 8) << u"8.8"_s;
    QTest::newRow("4 operations, 1 error") << Marking::mark(1, 4) << u"7.5"_s;
    QTest::newRow("2 operations, 1 error") << Marking::mark(1, 2) << u"5"_s;
    QTest::newRow("10 operations, no error") << Marking::mark(0, 10) << u"10"_s;
    QTest::newRow("1 operation, 1 error") << Marking::mark(1, 1) << u"0"_s;
    QTest::newRow("3 operations, 1 error") << Marking::mark(1, 3) << u"6.7"_s;
    QTest::newRow("9.96") << 9.96 << u"10"_s;
    QTest::newRow("9.95") << 9.95 << u"10"_s;
    QTest::newRow("9.94") << 9.94 << u"9.9"_s;
    QTest::newRow("0.25") << 0.25 << u"0.3"_s;
    QTest::newRow("4.04") << 4.04 << u"4"_s;
}

void tst_Marking::markText()
{
    QFETCH(double, mark);
    QFETCH(QString, text);
    QCOMPARE(Marking::markText(mark, QLocale::c()), text);
}

void tst_Marking::commaSeparator_data()
{
    QTest::addColumn<double>("mark");
    QTest::addColumn<QString>("text");
    QTest::newRow("8.75") << 8.75 << u"8,8"_s;
    QTest::newRow("7.5") << 7.5 << u"7,5"_s;
    QTest::newRow("10") << 10.0 << u"10"_s;
    QTest::newRow("9.96") << 9.96 << u"10"_s;
}

void tst_Marking::commaSeparator()
{
    QFETCH(double, mark);
    QFETCH(QString, text);
    QCOMPARE(Marking::markText(mark, QLocale(QLocale::French, QLocale::France)), text);
    QCOMPARE(Marking::markText(mark, QLocale(QLocale::German, QLocale::Germany)), text);
}

void tst_Marking::calcMarkFillsTheState()
{
    DrillState state;
    state.OperationCount = 8;
    state.ErrorCount = 1;
    Marking::CalcMark(state, QLocale::c());
    QCOMPARE(state.Mark, 8.75);
    QCOMPARE(state.MarkText, u"8.8"_s);
}

void tst_Marking::answerValue_data()
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

void tst_Marking::answerValue()
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

void tst_Marking::comment_data()
{
    QTest::addColumn<QString>("languageText");
    QTest::addColumn<QString>("shown");
    QTest::newRow("short") << u"Well done!"_s << u"Well done!"_s;
    QTest::newRow("exactly 20") << u"12345678901234567890"_s << u"12345678901234567890"_s;
    QTest::newRow("25 characters") << u"Absolutely right, bravo!!"_s << u"Absolutely right, br"_s;
    QTest::newRow("missing") << QString() << u"xxxxx"_s;
}

void tst_Marking::comment()
{
    QFETCH(QString, languageText);
    QFETCH(QString, shown);
    QCOMPARE(Judgement::comment(languageText), shown);
}

void tst_Marking::resultLine()
{
    DrillState state;
    state.FirstText = u"21"_s;
    state.Sign = u":"_s;
    state.SecondText = u"7"_s;
    state.Expected = 3;
    QCOMPARE(Judgement::resultLine(state), u"21 : 7 = 3"_s);
}

QTEST_GUILESS_MAIN(tst_Marking)
#include "tst_Marking.moc"
