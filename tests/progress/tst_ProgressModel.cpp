#include "ProgressModel.h"

#include <QtTest>

namespace {

const QDate Today(2026, 3, 14);

Answer answer(Fact fact, Verdict verdict, int milliseconds = 1000, QDate date = Today)
{
    Answer a;
    a.date = date;
    a.time = QTime(10, 0);
    a.fact = fact;
    a.verdict = verdict;
    a.milliseconds = milliseconds;
    return a;
}

const Fact SevenEight{8, 7, FactSign::Multiply};
const Fact FiftySixBySeven{7, 8, FactSign::Divide};

} // namespace

class tst_ProgressModel : public QObject
{
    Q_OBJECT

private slots:
    void factRecords();
    void fluencyNeedsAnAnswerInTime();
    void revealsTellNothing();
    void totals();
    void dailyTotals();
    void factFromShown_data();
    void factFromShown();
};

void tst_ProgressModel::factRecords()
{
    const ProgressModel model({answer(SevenEight, Verdict::Right, 4000),
                               answer(SevenEight, Verdict::Wrong, 1000),
                               answer(FiftySixBySeven, Verdict::Right, 2000),
                               answer(SevenEight, Verdict::TimeUp, 6000)},
                              Today);
    const FactRecord &record = model.record(SevenEight);
    QCOMPARE(record.attempts, 3);
    QCOMPARE(record.rights, 1);
    QCOMPARE(record.medianMilliseconds, 4000);
    QCOMPARE(record.state, MasteryState::Shaky);
    QCOMPARE(record.lastError, 3);
    QCOMPARE(model.record(FiftySixBySeven).state, MasteryState::Learning);
    QCOMPARE(model.record(Fact{7, 8, FactSign::Multiply}).state, MasteryState::NotSeen);
}

void tst_ProgressModel::fluencyNeedsAnAnswerInTime()
{
    const QList<Answer> late(3, answer(SevenEight, Verdict::LateRight, 2000));
    QCOMPARE(ProgressModel(late, Today).record(SevenEight).state, MasteryState::Known);
    const QList<Answer> slow(3, answer(SevenEight, Verdict::Right, 3000));
    QCOMPARE(ProgressModel(slow, Today).record(SevenEight).state, MasteryState::Known);
    const QList<Answer> quick(3, answer(SevenEight, Verdict::Right, 2999));
    QCOMPARE(ProgressModel(quick, Today).record(SevenEight).state, MasteryState::Mastered);
}

void tst_ProgressModel::revealsTellNothing()
{
    const ProgressModel model({answer(SevenEight, Verdict::Revealed)}, Today);
    QCOMPARE(model.record(SevenEight).state, MasteryState::NotSeen);
    QCOMPARE(model.answers(), 0);
    QCOMPARE(model.days().last().answers, 0);
}

void tst_ProgressModel::totals()
{
    QList<Answer> answers(3, answer(SevenEight, Verdict::Right));
    answers << answer(FiftySixBySeven, Verdict::LateWrong) << answer(FiftySixBySeven, Verdict::Right);
    answers << answer(Fact{1, 1, FactSign::Divide}, Verdict::Right);
    const ProgressModel model(answers, Today);
    QCOMPARE(model.answers(), 6);
    QCOMPARE(model.rights(), 5);
    QCOMPARE(model.accuracy(), 83);
    QCOMPARE(model.mastered(), 1);
    QCOMPARE(ProgressModel().accuracy(), 0);
}

void tst_ProgressModel::dailyTotals()
{
    const ProgressModel model({answer(SevenEight, Verdict::Right, 1000, Today),
                               answer(SevenEight, Verdict::Wrong, 1000, Today),
                               answer(SevenEight, Verdict::Right, 1000, Today.addDays(-55)),
                               answer(SevenEight, Verdict::Right, 1000, Today.addDays(-56)),
                               answer(SevenEight, Verdict::Right, 1000, Today.addDays(1)),
                               answer(SevenEight, Verdict::Right, 1000, Today.addDays(-7))},
                              Today);
    const QList<DayTotal> &days = model.days();
    QCOMPARE(days.size(), 56);
    QCOMPARE(days.first().date, Today.addDays(-55));
    QCOMPARE(days.last().date, Today);
    QCOMPARE(days.last().answers, 2);
    QCOMPARE(days.last().rights, 1);
    QCOMPARE(days.first().answers, 1);
    QCOMPARE(days[48].answers, 1);
    int sum = 0;
    for (const DayTotal &day : days)
        sum += day.answers;
    QCOMPARE(sum, 4); // neither the day before the eight weeks nor tomorrow
    QCOMPARE(model.answers(), 6); // but the facts know them all
}

void tst_ProgressModel::factFromShown_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<QChar>("sign");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("multiplicator");
    QTest::addColumn<bool>("divide");
    QTest::addColumn<bool>("valid");
    QTest::newRow("8 x 7") << 8 << QChar(u'x') << 7 << 7 << 8 << false << true;
    QTest::newRow("crossed 7 x 8") << 7 << QChar(u'x') << 8 << 8 << 7 << false << true;
    QTest::newRow("56 : 7") << 56 << QChar(u':') << 7 << 7 << 8 << true << true;
    QTest::newRow("56 \u00f7 8") << 56 << QChar(u'\u00f7') << 8 << 8 << 7 << true << true;
    QTest::newRow("13 x 2") << 13 << QChar(u'x') << 2 << 0 << 0 << false << false;
    QTest::newRow("by zero") << 5 << QChar(u':') << 0 << 0 << 0 << true << false;
    QTest::newRow("not a product") << 50 << QChar(u':') << 7 << 0 << 0 << true << false;
    QTest::newRow("unknown sign") << 5 << QChar(u'+') << 2 << 0 << 0 << false << false;
    QTest::newRow("144 : 12") << 144 << QChar(u':') << 12 << 12 << 12 << true << true;
}

void tst_ProgressModel::factFromShown()
{
    QFETCH(int, first);
    QFETCH(QChar, sign);
    QFETCH(int, second);
    QFETCH(bool, valid);
    const auto fact = Fact::fromShown(first, sign, second);
    QCOMPARE(fact.has_value(), valid);
    if (!valid)
        return;
    QFETCH(int, table);
    QFETCH(int, multiplicator);
    QFETCH(bool, divide);
    QCOMPARE(fact->table, table);
    QCOMPARE(fact->multiplicator, multiplicator);
    QCOMPARE(fact->sign == FactSign::Divide, divide);
    QCOMPARE(Fact::fromIndex(fact->index()), *fact);
}

QTEST_GUILESS_MAIN(tst_ProgressModel)
#include "tst_ProgressModel.moc"
