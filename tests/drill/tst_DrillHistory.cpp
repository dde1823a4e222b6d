#include "DrillProgram.h"
#include "HistoryFile.h"
#include "TFCalculator.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

enum class Clock { Off, Written, Mental };

void startChronometer(const DrillProgram &program, Clock clock)
{
    if (clock == Clock::Off)
        return;
    QTest::mouseClick(program.find<QPushButton>(u"BitBtn12"_s), Qt::LeftButton);
    if (clock == Clock::Mental)
        program.find<QGroupBox>(u"RadioGroup2"_s)->findChildren<QRadioButton *>().at(1)->click();
}

Fact questionOnScreen(const DrillState &state)
{
    return {state.Table, state.Multiplicator, state.Sign == u"x" ? FactSign::Multiply : FactSign::Divide};
}

} // namespace

Q_DECLARE_METATYPE(Clock)

// What the drill window tells the history of answers: every judgement and
// every mental-mode reveal, with the question, the answer and the time.
class tst_DrillHistory : public QObject
{
    Q_OBJECT

private slots:
    void eachJudgementIsKept_data();
    void eachJudgementIsKept();
    void answersReachTheFileWhenTheDrillCloses();
};

void tst_DrillHistory::eachJudgementIsKept_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<Clock>("clock");
    QTest::addColumn<QString>("typed"); // "=" stands for the right answer
    QTest::addColumn<bool>("enter"); // else the think time runs out
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<bool>("given"); // the typed answer is kept

    const QByteArray divide = "[GLOBAL]\r\nOperation=1\r\n";
    QTest::newRow("Enter, right") << QByteArray() << Clock::Off << u"="_s << true << Verdict::Right << true;
    QTest::newRow("Enter, wrong") << QByteArray() << Clock::Off << u"100"_s << true << Verdict::Wrong << true;
    QTest::newRow("Enter, right division") << divide << Clock::Off << u"="_s << true << Verdict::Right << true;
    QTest::newRow("Enter against the clock") << QByteArray() << Clock::Written << u"100"_s << true
                                             << Verdict::Wrong << true;
    QTest::newRow("late, right") << QByteArray() << Clock::Written << u"="_s << false << Verdict::LateRight << true;
    QTest::newRow("late, wrong") << divide << Clock::Written << u"0"_s << false << Verdict::LateWrong << true;
    QTest::newRow("time up") << QByteArray() << Clock::Written << QString() << false << Verdict::TimeUp << false;
    QTest::newRow("mental, revealed") << QByteArray() << Clock::Mental << QString() << false
                                      << Verdict::Revealed << false;
}

void tst_DrillHistory::eachJudgementIsKept()
{
    QFETCH(QByteArray, settings);
    QFETCH(Clock, clock);
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(Verdict, verdict);
    QFETCH(bool, given);

    DrillProgram program(settings);
    History &history = program.windows->context.history;
    startChronometer(program, clock);
    QVERIFY(history.answers().isEmpty()); // starting the clock judged nothing
    const Fact fact = questionOnScreen(program.state());
    const QString answer = typed == u"=" ? program.expected() : typed;
    QTest::keyClicks(program.find<QLineEdit>(u"Ans"_s), answer);
    if (enter)
        QTest::keyClick(program.find<QLineEdit>(u"Ans"_s), Qt::Key_Return);
    else
        program.drill->Timer1Timer();

    QCOMPARE(history.answers().size(), 1);
    const Answer &kept = history.answers().first();
    QCOMPARE(kept.fact, fact);
    QCOMPARE(kept.verdict, verdict);
    QCOMPARE(kept.given, given ? answer : QString());
    QCOMPARE(kept.date, QDate::currentDate());
    QVERIFY(kept.milliseconds >= 0);
    QVERIFY2(kept.milliseconds < 60'000, qPrintable(QString::number(kept.milliseconds)));
    QVERIFY(history.hasUnsaved());
}

void tst_DrillHistory::answersReachTheFileWhenTheDrillCloses()
{
    DrillProgram program;
    const Fact first = questionOnScreen(program.state());
    program.answer(program.expected());
    program.answer(u"100"_s);
    QVERIFY(!program.dir.exists(u"sys/history.txt"_s));

    QTest::mouseClick(program.find<QPushButton>(u"BitBtn1"_s), Qt::LeftButton);
    QVERIFY(!program.drill->isVisible());
    const HistoryFile::Contents saved = HistoryFile::read(program.dir.path(u"sys/history.txt"_s));
    QCOMPARE(saved.answers.size(), 2);
    QCOMPARE(saved.answers.first().fact, first);
    QCOMPARE(saved.answers.first().verdict, Verdict::Right);
    QCOMPARE(saved.answers.last().verdict, Verdict::Wrong);
    QCOMPARE(saved.answers.last().given, u"100"_s);
    QVERIFY(!program.windows->context.history.hasUnsaved());
}

QTEST_MAIN(tst_DrillHistory)
#include "tst_DrillHistory.moc"
