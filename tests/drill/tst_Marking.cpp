#include "Marking.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class tst_Marking : public QObject
{
    Q_OBJECT

private slots:
    void markText_data();
    void markText();
    void roundsEveryCountExactly();
    void commaSeparator_data();
    void commaSeparator();
    void calcMarkFillsTheState();
};

void tst_Marking::markText_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("operations");
    QTest::addColumn<QString>("text");
    QTest::newRow("8 operations, 1 error") << 1 << 8 << u"8.8"_s;
    QTest::newRow("4 operations, 1 error") << 1 << 4 << u"7.5"_s;
    QTest::newRow("2 operations, 1 error") << 1 << 2 << u"5"_s;
    QTest::newRow("10 operations, no error") << 0 << 10 << u"10"_s;
    QTest::newRow("1 operation, 1 error") << 1 << 1 << u"0"_s;
    QTest::newRow("3 operations, 1 error") << 1 << 3 << u"6.7"_s;
    QTest::newRow("9.96") << 1 << 250 << u"10"_s;
    QTest::newRow("9.95") << 1 << 200 << u"10"_s;
    QTest::newRow("9.94") << 3 << 500 << u"9.9"_s;
    QTest::newRow("0.25") << 39 << 40 << u"0.3"_s;
    QTest::newRow("4.04") << 149 << 250 << u"4"_s;
    QTest::newRow("2.85, just below as a double") << 143 << 200 << u"2.9"_s;
    QTest::newRow("0.95, just below as a double") << 181 << 200 << u"1"_s;
    QTest::newRow("no operation yet") << 0 << 0 << u"10"_s;
}

void tst_Marking::markText()
{
    QFETCH(int, errors);
    QFETCH(int, operations);
    QFETCH(QString, text);
    QCOMPARE(Marking::markText(Marking::markTenths(errors, operations), QLocale::c()), text);
}

// Every count up to 1,000 operations against the rule worked out exactly: s
// is the mark rounded to a tenth, halves up; a 0 in its third character or a
// value above 9.9 gives the mark rounded to a whole number instead.
void tst_Marking::roundsEveryCountExactly()
{
    // The whole number r nearest to numerator / denominator, halves up:
    // (2r - 1) d <= 2 n < (2r + 1) d.
    const auto nearest = [](qint64 numerator, qint64 denominator) {
        const qint64 below = numerator / denominator;
        for (qint64 r = below; r <= below + 1; ++r) {
            if ((2 * r - 1) * denominator <= 2 * numerator && 2 * numerator < (2 * r + 1) * denominator)
                return r;
        }
        return qint64(-1);
    };
    int checked = 0;
    for (int operations = 1; operations <= 1000; ++operations) {
        for (int errors = 0; errors <= operations; ++errors) {
            const qint64 rights = operations - errors;
            const qint64 tenths = nearest(100 * rights, operations);
            const QString s = u"%1.%2"_s.arg(tenths / 10).arg(tenths % 10);
            const QString expected = s.at(2) == u'0' || tenths > 99
                                         ? QString::number(nearest(10 * rights, operations))
                                         : s;
            const QString shown = Marking::markText(Marking::markTenths(errors, operations), QLocale::c());
            if (shown != expected)
                QFAIL(qPrintable(u"%1 errors in %2: \"%3\", not \"%4\""_s.arg(errors).arg(operations)
                                     .arg(shown, expected)));
            ++checked;
        }
    }
    QCOMPARE(checked, 1000 * 1003 / 2);
}

void tst_Marking::commaSeparator_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("operations");
    QTest::addColumn<QString>("text");
    QTest::newRow("8.75") << 1 << 8 << u"8,8"_s;
    QTest::newRow("7.5") << 1 << 4 << u"7,5"_s;
    QTest::newRow("10") << 0 << 10 << u"10"_s;
    QTest::newRow("9.96") << 1 << 250 << u"10"_s;
}

void tst_Marking::commaSeparator()
{
    QFETCH(int, errors);
    QFETCH(int, operations);
    QFETCH(QString, text);
    const int tenths = Marking::markTenths(errors, operations);
    QCOMPARE(Marking::markText(tenths, QLocale(QLocale::French, QLocale::France)), text);
    QCOMPARE(Marking::markText(tenths, QLocale(QLocale::German, QLocale::Germany)), text);
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
