#include "Recording.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString Obelus = QString(QChar(0x00F7));

// Puts a question on screen as the drill does.
void pose(DrillState &state, const QString &first, const QString &sign, const QString &second)
{
    state.FirstText = first;
    state.Sign = sign;
    state.SecondText = second;
}

// One judged question: counted, then stored at the end of the mark's
// computation. True when the recording is complete.
bool judge(Recording &recording, JudgementOutcome outcome)
{
    recording.countJudgement(outcome);
    return recording.storeJudgement(outcome);
}

QStringList review(Recording &recording, const DrillState &state)
{
    QStringList posed;
    while (recording.poseNext())
        posed << Recording::operationLine(state);
    return posed;
}

} // namespace

class tst_Recording : public QObject
{
    Q_OBJECT

private slots:
    void operationLine_data();
    void operationLine();
    void poseLine_data();
    void poseLine();
    void nextTenErrors();
    void nextTenOperationsCrossed();
    void offAfterFourOfTen();
    void choosingAgainStartsAfresh();
    void reviewRunsToItsEnd();
    void reviewPassesOverLinesThatAreNoQuestion();
    void countBox_data();
    void countBox();
};

void tst_Recording::operationLine_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("line");
    QTest::newRow("multiplication") << u"3"_s << u"x"_s << u"7"_s << u"3x7"_s;
    QTest::newRow("crossed") << u"7"_s << u"x"_s << u"3"_s << u"7x3"_s;
    QTest::newRow("French division") << u"21"_s << u":"_s << u"7"_s << u"21:7"_s;
    QTest::newRow("English division") << u"21"_s << Obelus << u"7"_s << u"21"_s + Obelus + u"7"_s;
}

void tst_Recording::operationLine()
{
    QFETCH(QString, first);
    QFETCH(QString, sign);
    QFETCH(QString, second);
    QFETCH(QString, line);
    DrillState state;
    pose(state, first, sign, second);
    QCOMPARE(Recording::operationLine(state), line);
}

void tst_Recording::poseLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("posed");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("expected");
    QTest::newRow("3x7") << u"3x7"_s << true << u"x"_s << u"3"_s << u"7"_s << 21;
    QTest::newRow("crossed 7x3") << u"7x3"_s << true << u"x"_s << u"7"_s << u"3"_s << 21;
    QTest::newRow("21:7") << u"21:7"_s << true << u":"_s << u"21"_s << u"7"_s << 3;
    QTest::newRow("21÷7") << u"21"_s + Obelus + u"7"_s << true << Obelus << u"21"_s << u"7"_s << 3;
    QTest::newRow("144:12") << u"144:12"_s << true << u":"_s << u"144"_s << u"12"_s << 12;
    QTest::newRow("empty") << QString() << false << QString() << QString() << QString() << 0;
    QTest::newRow("x alone") << u"x"_s << false << QString() << QString() << QString() << 0;
    QTest::newRow("no sign") << u"garbage"_s << false << QString() << QString() << QString() << 0;
    QTest::newRow("no second number") << u"3x"_s << false << QString() << QString() << QString() << 0;
    QTest::newRow("no first number") << u":7"_s << false << QString() << QString() << QString() << 0;
    QTest::newRow("division by 0") << u"21:0"_s << false << QString() << QString() << QString() << 0;
    QTest::newRow("two signs") << u"3x7x2"_s << false << QString() << QString() << QString() << 0;
    QTest::newRow("x after a division") << u"21:7x"_s << false << QString() << QString() << QString() << 0;
    QTest::newRow("negative") << u"-3x7"_s << false << QString() << QString() << QString() << 0;
    QTest::newRow("product beyond 16 bits") << u"200x200"_s << false << QString() << QString() << QString() << 0;
    QTest::newRow("number beyond 16 bits") << u"99999:1"_s << false << QString() << QString() << QString() << 0;
    QTest::newRow("long tail") << u"3x12345678901"_s << false << QString() << QString() << QString() << 0;
}

void tst_Recording::poseLine()
{
    QFETCH(QString, line);
    QFETCH(bool, posed);
    QFETCH(QString, sign);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, expected);

    DrillState state;
    pose(state, u"5"_s, u"x"_s, u"6"_s);
    state.Expected = 30;
    QCOMPARE(Recording::poseLine(line, state), posed);
    if (!posed) {
        QCOMPARE(Recording::operationLine(state), u"5x6"_s);
        QCOMPARE(state.Expected, qint16(30));
        return;
    }
    QCOMPARE(state.Sign, sign);
    QCOMPARE(state.FirstText, first);
    QCOMPARE(state.SecondText, second);
    QCOMPARE(state.Multiplicator, qint16(first.toInt()));
    QCOMPARE(state.Table, qint16(second.toInt()));
    QCOMPARE(int(state.Expected), expected);
}

// Right answers, in time or late, are neither counted nor stored; an
// unanswered question is an error and can complete the recording.
void tst_Recording::nextTenErrors()
{
    DrillState state;
    Recording recording(state);
    recording.choose(RecordMode::Errors);
    QCOMPARE(recording.caption(), u"Rec"_s);

    QStringList errors;
    for (int question = 1; errors.size() < 10; ++question) {
        pose(state, QString::number(question), u"x"_s, u"3"_s);
        JudgementOutcome outcome = JudgementOutcome::Right;
        if (question % 4 == 1)
            outcome = JudgementOutcome::LateRight;
        else if (question % 2 == 0)
            outcome = errors.size() == 9 ? JudgementOutcome::TimeUp
                                         : (question % 3 ? JudgementOutcome::Wrong : JudgementOutcome::LateWrong);
        if (outcome.isError())
            errors << Recording::operationLine(state);
        const bool complete = judge(recording, outcome);
        QCOMPARE(complete, errors.size() == 10);
        QCOMPARE(int(state.RecordedCount), int(errors.size()));
    }
    QCOMPARE(recording.RecordList(), errors);
}

void tst_Recording::nextTenOperationsCrossed()
{
    DrillState state;
    Recording recording(state);
    recording.choose(RecordMode::Operations);
    QStringList shown;
    for (int question = 1; question <= 10; ++question) {
        // Every other question shows the table first.
        if (question % 2)
            pose(state, u"7"_s, u"x"_s, QString::number(question));
        else
            pose(state, QString::number(question), u"x"_s, u"7"_s);
        shown << Recording::operationLine(state);
        const bool complete = judge(recording, question % 3 ? JudgementOutcome::Right : JudgementOutcome::Wrong);
        QCOMPARE(complete, question == 10);
    }
    QCOMPARE(recording.RecordList(), shown);

    recording.startReview();
    QCOMPARE(review(recording, state), shown);
}

void tst_Recording::offAfterFourOfTen()
{
    DrillState state;
    Recording recording(state);
    recording.choose(RecordMode::Operations);
    for (int question = 1; question <= 4; ++question) {
        pose(state, QString::number(question), u"x"_s, u"5"_s);
        QVERIFY(!judge(recording, JudgementOutcome::Right));
    }
    recording.choose(RecordMode::Off);
    QCOMPARE(recording.caption(), QString());
    QCOMPARE(recording.RecordList(), (QStringList{u"1x5"_s, u"2x5"_s, u"3x5"_s, u"4x5"_s}));

    // Nothing more is counted or stored.
    pose(state, u"9"_s, u"x"_s, u"5"_s);
    QVERIFY(!judge(recording, JudgementOutcome::Wrong));
    QCOMPARE(recording.RecordList().size(), 4);
    QCOMPARE(int(state.RecordedCount), 4);
}

void tst_Recording::choosingAgainStartsAfresh()
{
    DrillState state;
    Recording recording(state);
    recording.choose(RecordMode::Operations);
    pose(state, u"3"_s, u"x"_s, u"7"_s);
    judge(recording, JudgementOutcome::Right);
    judge(recording, JudgementOutcome::Right);
    recording.choose(RecordMode::Errors);
    QVERIFY(recording.RecordList().isEmpty());
    QCOMPARE(int(state.RecordedCount), 0);

    // Chosen during a review: the list is gone, so the review ends at the
    // next question.
    judge(recording, JudgementOutcome::Wrong);
    recording.startReview();
    recording.choose(RecordMode::Operations);
    QVERIFY(state.Replaying);
    QVERIFY(!recording.poseNext());
}

// A French division keeps its ":" whatever language is current when it is
// reviewed; the review's end leaves nothing behind.
void tst_Recording::reviewRunsToItsEnd()
{
    DrillState state;
    Recording recording(state);
    recording.setCount(10);
    recording.choose(RecordMode::Operations);
    const QStringList recorded = {u"21:7"_s, u"3x7"_s, u"7x3"_s, u"24"_s + Obelus + u"8"_s};
    for (const QString &line : recorded) {
        QVERIFY(Recording::poseLine(line, state));
        judge(recording, JudgementOutcome::Right);
    }
    state.OperationCount = 9;

    recording.startReview();
    QCOMPARE(recording.mode(), RecordMode::Off);
    QCOMPARE(recording.caption(), u"Playing"_s);
    QVERIFY(state.Replaying);
    QCOMPARE(state.OperationCount, 0);

    QVERIFY(recording.poseNext());
    QCOMPARE(state.Sign, u":"_s);
    QCOMPARE(state.Expected, qint16(3));
    QCOMPARE(recording.RecordList().size(), 3);
    QCOMPARE(review(recording, state), recorded.mid(1));
    QVERIFY(!recording.poseNext());

    recording.erase();
    QVERIFY(!state.Replaying);
    QCOMPARE(recording.caption(), QString());
    QCOMPARE(int(state.RecordedCount), 0);
}

void tst_Recording::reviewPassesOverLinesThatAreNoQuestion()
{
    DrillState state;
    Recording recording(state);
    recording.choose(RecordMode::Operations);
    for (const QString &line : {u"x"_s, u"3x7"_s, QString(), u"21:0"_s}) {
        state.FirstText = line;
        state.Sign.clear();
        state.SecondText.clear();
        judge(recording, JudgementOutcome::Right);
    }
    recording.startReview();
    QCOMPARE(review(recording, state), QStringList{u"3x7"_s});
    QVERIFY(recording.RecordList().isEmpty());
}

void tst_Recording::countBox_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("count");
    QTest::newRow("below 10") << 0 << 10;
    QTest::newRow("10") << 10 << 10;
    QTest::newRow("between steps") << 35 << 30;
    QTest::newRow("100") << 100 << 100;
    QTest::newRow("above 100") << 110 << 100;
}

void tst_Recording::countBox()
{
    QFETCH(int, set);
    QFETCH(int, count);
    DrillState state;
    Recording recording(state);
    QCOMPARE(recording.count(), 10);
    recording.setCount(set);
    QCOMPARE(recording.count(), count);
}

QTEST_GUILESS_MAIN(tst_Recording)
#include "tst_Recording.moc"
