#include "Mastery.h"

#include <QtTest>

Q_DECLARE_METATYPE(MasteryState)

namespace {

// One letter per attempt, the oldest first: F fluent (right and quick), R
// right but slow or late, W wrong.
QList<Mastery::Attempt> attempts(const char *letters)
{
    QList<Mastery::Attempt> list;
    for (const char *c = letters; *c; ++c)
        list.append({*c != 'W', *c == 'F'});
    return list;
}

} // namespace

class tst_Mastery : public QObject
{
    Q_OBJECT

private slots:
    void state_data();
    void state();
};

void tst_Mastery::state_data()
{
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<MasteryState>("expected");
    const auto row = [](const char *letters, MasteryState state) {
        QTest::newRow(*letters ? letters : "none") << QString::fromLatin1(letters) << state;
    };
    row("", MasteryState::NotSeen);
    row("F", MasteryState::Learning);
    row("FF", MasteryState::Learning);
    row("R", MasteryState::Learning);
    row("W", MasteryState::Shaky);
    row("FFF", MasteryState::Mastered);
    row("WWFFF", MasteryState::Mastered);
    row("RFF", MasteryState::Known);
    row("FFR", MasteryState::Known);
    row("RRR", MasteryState::Known);
    row("WFFR", MasteryState::Known);
    row("FFW", MasteryState::Shaky);
    row("FWF", MasteryState::Shaky);
    row("WFFFF", MasteryState::Mastered);
    row("FFFW", MasteryState::Shaky);
    row("WRRFW", MasteryState::Shaky);
    row("WFRFRF", MasteryState::Known);
    row("WFWFR", MasteryState::Shaky);
    // Three right answers since the last error outweigh it.
    row("WRFRFR", MasteryState::Known);
    row("WFFFFFFW", MasteryState::Shaky);
}

void tst_Mastery::state()
{
    QFETCH(QString, sequence);
    QFETCH(MasteryState, expected);
    QCOMPARE(Mastery::state(attempts(sequence.toLatin1().constData())), expected);
}

QTEST_GUILESS_MAIN(tst_Mastery)
#include "tst_Mastery.moc"
