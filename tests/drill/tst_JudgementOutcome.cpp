#include "JudgementOutcome.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class tst_JudgementOutcome : public QObject
{
    Q_OBJECT

private slots:
    void judgesTheAnswer_data();
    void judgesTheAnswer();
};

void tst_JudgementOutcome::judgesTheAnswer_data()
{
    QTest::addColumn<bool>("late");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("kind");
    QTest::addColumn<SoundEvent>("event");
    QTest::addColumn<QString>("commentKey");
    QTest::addColumn<bool>("error");
    QTest::addColumn<Verdict>("verdict");

    const auto row = [](const char *name, bool late, const QString &answer, JudgementOutcome::Kind kind,
                        SoundEvent event, const QString &key, bool error, Verdict verdict) {
        QTest::newRow(name) << late << answer << int(kind) << event << key << error << verdict;
    };
    // The expected answer is 21 throughout.
    row("right", false, u"21"_s, JudgementOutcome::Right, SoundEvent::RightAnswer,
        u"vResultRightLbl"_s, false, Verdict::Right);
    row("right with a leading zero", false, u"021"_s, JudgementOutcome::Right,
        SoundEvent::RightAnswer, u"vResultRightLbl"_s, false, Verdict::Right);
    row("wrong", false, u"12"_s, JudgementOutcome::Wrong, SoundEvent::WrongAnswer,
        u"vResultWrongLbl"_s, true, Verdict::Wrong);
    row("too long for a number", false, u"99999999999"_s, JudgementOutcome::Wrong,
        SoundEvent::WrongAnswer, u"vResultWrongLbl"_s, true, Verdict::Wrong);
    row("late right", true, u"21"_s, JudgementOutcome::LateRight, SoundEvent::LateRightAnswer,
        u"vResultRightLateLbl"_s, false, Verdict::LateRight);
    row("late wrong", true, u"2"_s, JudgementOutcome::LateWrong, SoundEvent::LateWrongAnswer,
        u"vResultWrongLateLbl"_s, true, Verdict::LateWrong);
    row("late with zeros typed", true, u"00"_s, JudgementOutcome::LateWrong,
        SoundEvent::LateWrongAnswer, u"vResultWrongLateLbl"_s, true, Verdict::LateWrong);
    row("time up, nothing typed", true, QString(), JudgementOutcome::TimeUp,
        SoundEvent::TimeUpNoAnswer, u"vResultLateLbl"_s, true, Verdict::TimeUp);
}

void tst_JudgementOutcome::judgesTheAnswer()
{
    QFETCH(bool, late);
    QFETCH(QString, answer);
    QFETCH(int, kind);
    QFETCH(SoundEvent, event);
    QFETCH(QString, commentKey);
    QFETCH(bool, error);
    QFETCH(Verdict, verdict);

    const JudgementOutcome outcome = late ? JudgementOutcome::ofLateAnswer(answer, 21)
                                          : JudgementOutcome::ofAnswer(answer, 21);
    QCOMPARE(int(outcome.kind()), kind);
    QCOMPARE(outcome.event(), event);
    QCOMPARE(outcome.commentKey(), commentKey);
    QCOMPARE(outcome.isError(), error);
    QCOMPARE(outcome.verdict(), verdict);
}

QTEST_GUILESS_MAIN(tst_JudgementOutcome)
#include "tst_JudgementOutcome.moc"
