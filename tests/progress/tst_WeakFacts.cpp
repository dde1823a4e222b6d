#include "WeakFacts.h"

#include <QtTest>

namespace {

const QDate Today(2026, 3, 14);

Answer answer(int shownFirst, QChar sign, int shownSecond, Verdict verdict)
{
    Answer a;
    a.date = Today;
    a.time = QTime(10, 0);
    a.fact = *Fact::fromShown(shownFirst, sign, shownSecond);
    a.verdict = verdict;
    a.milliseconds = 1000;
    return a;
}

QStringList lines(const QList<Fact> &facts)
{
    return WeakFacts::recordLines(facts, QStringLiteral(":"));
}

} // namespace

class tst_WeakFacts : public QObject
{
    Q_OBJECT

private slots:
    void family_data();
    void family();
    void mostRecentErrorsFirst();
    void drillTakesWholeFamilies();
    void nothingWeak();
    void recordLinesReadAsTheDrillShowsThem();
};

void tst_WeakFacts::family_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<QChar>("sign");
    QTest::addColumn<int>("second");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("7 x 8") << 7 << QChar(u'x') << 8 << QStringList{"7x8", "8x7", "56:8", "56:7"};
    QTest::newRow("56 : 7") << 56 << QChar(u':') << 7 << QStringList{"56:7", "8x7", "7x8", "56:8"};
    QTest::newRow("square") << 6 << QChar(u'x') << 6 << QStringList{"6x6", "36:6"};
    QTest::newRow("one") << 1 << QChar(u':') << 1 << QStringList{"1:1", "1x1"};
}

void tst_WeakFacts::family()
{
    QFETCH(int, first);
    QFETCH(QChar, sign);
    QFETCH(int, second);
    QFETCH(QStringList, expected);
    QCOMPARE(lines(WeakFacts::family(*Fact::fromShown(first, sign, second))), expected);
}

void tst_WeakFacts::mostRecentErrorsFirst()
{
    const ProgressModel model({answer(3, u'x', 4, Verdict::Wrong), answer(9, u'x', 9, Verdict::Right),
                               answer(5, u'x', 6, Verdict::TimeUp), answer(2, u'x', 2, Verdict::Right),
                               answer(2, u'x', 2, Verdict::Right), answer(2, u'x', 2, Verdict::Right),
                               answer(8, u'x', 8, Verdict::Right), answer(7, u'x', 7, Verdict::Wrong),
                               answer(7, u'x', 7, Verdict::Right)},
                              Today);
    // 7 x 7 erred last, then 5 x 6, then 3 x 4; 8 x 8 and 9 x 9 are learning
    // without an error, the latest tried first; 2 x 2 is mastered.
    QCOMPARE(lines(WeakFacts::select(model)), (QStringList{"7x7", "5x6", "3x4", "8x8", "9x9"}));
    QCOMPARE(lines(WeakFacts::withFamilies(WeakFacts::select(model))),
             (QStringList{"7x7", "49:7", "5x6", "6x5", "30:6", "30:5", "3x4", "4x3", "12:4", "12:3",
                          "8x8", "64:8", "9x9", "81:9"}));
}

// Whole families while they fit in 20: the family of 7 x 2 would make 22, the
// square of the oldest error still fits.
void tst_WeakFacts::drillTakesWholeFamilies()
{
    QList<Answer> answers{answer(5, u'x', 5, Verdict::Wrong)};
    for (int table = 2; table <= 6; ++table)
        answers << answer(table + 5, u'x', table, Verdict::Wrong);
    answers << answer(3, u'x', 3, Verdict::Wrong);
    const ProgressModel model(answers, Today);
    const QList<Fact> drill = WeakFacts::drill(model);
    QCOMPARE(drill.size(), 20);
    QCOMPARE(lines(drill.first(4)), (QStringList{"3x3", "9:3", "11x6", "6x11"}));
    QVERIFY(!lines(drill).contains("7x2"));
    QCOMPARE(lines(drill.last(2)), (QStringList{"5x5", "25:5"}));
    QCOMPARE(WeakFacts::drill(model, 6).size(), 6);
}

void tst_WeakFacts::nothingWeak()
{
    const ProgressModel model({answer(2, u'x', 2, Verdict::Right), answer(2, u'x', 2, Verdict::Right),
                               answer(2, u'x', 2, Verdict::Right)},
                              Today);
    QVERIFY(WeakFacts::select(model).isEmpty());
    QVERIFY(WeakFacts::drill(model).isEmpty());
    QVERIFY(WeakFacts::select(ProgressModel({}, Today)).isEmpty());
}

void tst_WeakFacts::recordLinesReadAsTheDrillShowsThem()
{
    const Fact division{7, 8, FactSign::Divide};
    QCOMPARE(WeakFacts::recordLine(division, QStringLiteral("\u00f7")), QStringLiteral("56\u00f77"));
    QCOMPARE(WeakFacts::recordLine(Fact{7, 8, FactSign::Multiply}, QStringLiteral(":")),
             QStringLiteral("8x7"));
}

QTEST_GUILESS_MAIN(tst_WeakFacts)
#include "tst_WeakFacts.moc"
