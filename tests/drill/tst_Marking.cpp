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

QTEST_GUILESS_MAIN(tst_Marking)
#include "tst_Marking.moc"
