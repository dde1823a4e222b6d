#include "AppSettings.h"
#include "DrillTimers.h"
#include "GradientSpec.h"
#include "IntervalTimer.h"
#include "ProfileFile.h"
#include "SettingsFile.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class tst_DrillTimers : public QObject
{
    Q_OBJECT

private slots:
    void displayInterval_data();
    void displayInterval();
    void typedThinkTime_data();
    void typedThinkTime();
    void storedSettings_data();
    void storedSettings();
    void gaugeFillsInEightTicksPerSecond();
    void questionRestartsTheThinkCount();
    void thinkTimeChangedWhileAQuestionRuns();
    void mentalRevealShowsForTheDisplayTime_data();
    void mentalRevealShowsForTheDisplayTime();
    void stoppingTheChronometer();
    void lateTickOnlyForTheQuestionSeen_data();
    void lateTickOnlyForTheQuestionSeen();
};

void tst_DrillTimers::displayInterval_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("interval");
    QTest::newRow("0.2 on the scale") << 1 << 300;
    QTest::newRow("1 s") << 2 << 1000;
    QTest::newRow("2 s") << 3 << 2000;
    QTest::newRow("3 s") << 4 << 3000;
    QTest::newRow("below the scale") << 0 << 300;
    QTest::newRow("above the scale") << 9 << 3000;
}

void tst_DrillTimers::displayInterval()
{
    QFETCH(int, position);
    QFETCH(int, interval);
    QCOMPARE(DrillTimers::displayInterval(position), interval);
}

void tst_DrillTimers::typedThinkTime_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("seconds");
    QTest::newRow("3") << u"3"_s << 3;
    QTest::newRow("15") << u"15"_s << 15;
    QTest::newRow("16 counts as 15") << u"16"_s << 15;
    QTest::newRow("99 counts as 15") << u"99"_s << 15;
    QTest::newRow("0 counts as 1") << u"0"_s << 1;
    QTest::newRow("empty counts as 1") << QString() << 1;
    QTest::newRow("letters count as 1") << u"ab"_s << 1;
}

void tst_DrillTimers::typedThinkTime()
{
    QFETCH(QString, typed);
    QFETCH(int, seconds);
    QCOMPARE(DrillTimers::thinkTimeFromTyped(typed), seconds);

    DrillTimers timers(3, 1);
    timers.startChronometer();
    timers.changeThinkTime(DrillTimers::thinkTimeFromTyped(typed), true);
    QCOMPARE(timers.Timer1->interval(), seconds * 1000);
    QCOMPARE(timers.gaugeMaximum(), seconds * 8);
}

void tst_DrillTimers::storedSettings_data()
{
    QTest::addColumn<QByteArray>("chrono");
    QTest::addColumn<int>("thinkInterval");
    QTest::addColumn<int>("gaugeMaximum");
    QTest::addColumn<int>("displayInterval");
    QTest::newRow("in range") << QByteArray("Timer1=5\r\nTimer2=3\r\n") << 5000 << 40 << 2000;
    QTest::newRow("zeros") << QByteArray("Timer1=0\r\nTimer2=0\r\n") << 1000 << 8 << 300;
    QTest::newRow("too big") << QByteArray("Timer1=99\r\nTimer2=9\r\n") << 15000 << 120 << 3000;
    QTest::newRow("text") << QByteArray("Timer1=abc\r\nTimer2=abc\r\n") << 3000 << 24 << 300;
    QTest::newRow("missing") << QByteArray() << 3000 << 24 << 300;
}

// The stored think time and display time, read as start-up reads them,
// give timers that can run.
void tst_DrillTimers::storedSettings()
{
    QFETCH(QByteArray, chrono);
    QFETCH(int, thinkInterval);
    QFETCH(int, gaugeMaximum);
    QFETCH(int, displayInterval);

    QTemporaryDir dir;
    QFile file(dir.filePath(u"multable.ini"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[CHRONO]\r\n" + chrono);
    file.close();
    AppSettings settings;
    GradientSpec background;
    SettingsFile::read(ProfileFile(file.fileName()), settings, background);

    DrillTimers timers(settings.Timer1, settings.Timer2);
    timers.startChronometer();
    QCOMPARE(timers.Timer1->interval(), thinkInterval);
    QVERIFY(timers.Timer1->isRunning());
    QCOMPARE(timers.gaugeMaximum(), gaugeMaximum);
    timers.revealAnswer(false);
    QCOMPARE(timers.Timer2->interval(), displayInterval);
    QVERIFY(timers.Timer2->isRunning());
}

void tst_DrillTimers::gaugeFillsInEightTicksPerSecond()
{
    DrillTimers timers(3, 1);
    QSignalSpy shown(&timers, &DrillTimers::gaugeChanged);
    timers.startGauge();
    QCOMPARE(timers.Timer3->interval(), 105);
    QVERIFY(timers.Timer3->isRunning());
    QCOMPARE(timers.gaugeMaximum(), 24);
    QCOMPARE(timers.gaugeValue(), 1);

    for (int tick = 2; tick <= 24; ++tick)
        timers.Timer3Timer();
    QCOMPARE(timers.gaugeValue(), 24);
    timers.Timer3Timer();
    QCOMPARE(timers.gaugeValue(), 24);
    QCOMPARE(shown.last(), (QVariantList{24, 24}));

    timers.questionPosed(false);
    QCOMPARE(timers.gaugeValue(), 0);
    QCOMPARE(shown.last(), (QVariantList{0, 24}));
    QVERIFY(timers.Timer3->isRunning()); // the gauge goes on filling for the new question

    timers.stopGauge();
    QVERIFY(!timers.Timer3->isRunning());
    QVERIFY(!timers.Timer3->isEnabled());
}

void tst_DrillTimers::questionRestartsTheThinkCount()
{
    DrillTimers timers(3, 1);
    timers.questionPosed(false);
    QVERIFY(!timers.Timer1->isRunning());

    timers.startChronometer();
    QVERIFY(timers.Timer1->isRunning());
    QCOMPARE(timers.Timer1->interval(), 3000);

    const quint32 before = timers.Timer1->countSerial();
    timers.questionPosed(true);
    QVERIFY(timers.Timer1->isRunning());
    QCOMPARE(timers.Timer1->interval(), 3000);
    QVERIFY(timers.Timer1->countSerial() != before);

    timers.questionCleared();
    QVERIFY(!timers.Timer1->isRunning());
    QVERIFY(timers.Timer1->isEnabled());
    timers.questionPosed(true);
    QVERIFY(timers.Timer1->isRunning());
}

void tst_DrillTimers::thinkTimeChangedWhileAQuestionRuns()
{
    DrillTimers timers(10, 1);
    timers.startChronometer();
    timers.startGauge();
    for (int tick = 0; tick < 60; ++tick)
        timers.Timer3Timer();
    QCOMPARE(timers.gaugeValue(), 61);

    // Down to 3 s: the gauge stands at its new, lower maximum.
    timers.changeThinkTime(3, true);
    QCOMPARE(timers.gaugeMaximum(), 24);
    QCOMPARE(timers.gaugeValue(), 24);

    // Up to 10 s while the options panel is shown: the count restarts with 10 s.
    const quint32 before = timers.Timer1->countSerial();
    timers.changeThinkTime(10, true);
    QCOMPARE(timers.Timer1->interval(), 10000);
    QVERIFY(timers.Timer1->isRunning());
    QVERIFY(timers.Timer1->countSerial() != before);
    QCOMPARE(timers.gaugeMaximum(), 80);

    // With the options panel hidden the think timer stays disabled.
    timers.changeThinkTime(5, false);
    QCOMPARE(timers.Timer1->interval(), 5000);
    QVERIFY(!timers.Timer1->isEnabled());
    QCOMPARE(timers.thinkTime(), 5);
}

void tst_DrillTimers::mentalRevealShowsForTheDisplayTime_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("interval");
    QTest::newRow("300 ms") << 1 << 300;
    QTest::newRow("3 s") << 4 << 3000;
}

// Enter in mental mode ends the think time at once; the answer then shows
// for the display time, and the next question counts in full.
void tst_DrillTimers::mentalRevealShowsForTheDisplayTime()
{
    QFETCH(int, position);
    QFETCH(int, interval);
    DrillTimers timers(3, 2);
    timers.changeDisplayPosition(position);
    timers.startChronometer();
    timers.startGauge();

    timers.revealNow();
    QCOMPARE(timers.Timer1->interval(), 1);
    QVERIFY(timers.Timer1->isRunning());

    const int gauge = timers.gaugeValue();
    timers.revealAnswer(true);
    QVERIFY(!timers.Timer1->isRunning());
    QCOMPARE(timers.Timer2->interval(), interval);
    QVERIFY(timers.Timer2->isRunning());
    QCOMPARE(timers.gaugeValue(), gauge + 1);

    timers.endReveal();
    QVERIFY(!timers.Timer1->isRunning());
    QVERIFY(!timers.Timer2->isRunning());
    timers.questionPosed(true);
    QCOMPARE(timers.Timer1->interval(), 3000);
    QVERIFY(timers.Timer1->isRunning());

    timers.stopDisplay();
    QVERIFY(!timers.Timer2->isEnabled());
}

void tst_DrillTimers::stoppingTheChronometer()
{
    DrillTimers timers(3, 1);
    timers.startChronometer();
    timers.startGauge();
    timers.revealAnswer(true);
    timers.questionPosed(true);

    timers.stopCounting();
    QCOMPARE(timers.gaugeValue(), 0);
    QVERIFY(!timers.Timer1->isRunning());
    QVERIFY(!timers.Timer3->isRunning());

    timers.disableAll();
    QVERIFY(!timers.Timer1->isEnabled());
    QVERIFY(!timers.Timer2->isEnabled());
    QVERIFY(!timers.Timer3->isEnabled());
}

void tst_DrillTimers::lateTickOnlyForTheQuestionSeen_data()
{
    QTest::addColumn<int>("pending");
    QTest::addColumn<bool>("due");
    // What an event waiting when the think time ends does.
    QTest::newRow("nothing waits") << 0 << true;
    QTest::newRow("Enter poses the next question") << 1 << false;
    QTest::newRow("the chronometer is stopped") << 2 << false;
    QTest::newRow("the gauge ticks") << 3 << true;
}

void tst_DrillTimers::lateTickOnlyForTheQuestionSeen()
{
    QFETCH(int, pending);
    QFETCH(bool, due);
    DrillTimers timers(3, 1);
    timers.startChronometer();
    timers.startGauge();
    switch (pending) {
    case 1:
        QMetaObject::invokeMethod(&timers, [&timers] { timers.questionPosed(true); }, Qt::QueuedConnection);
        break;
    case 2:
        QMetaObject::invokeMethod(&timers, [&timers] { timers.disableAll(); }, Qt::QueuedConnection);
        break;
    case 3:
        QMetaObject::invokeMethod(&timers, &DrillTimers::Timer3Timer, Qt::QueuedConnection);
        break;
    }
    QCOMPARE(timers.thinkTickStillDue(), due);
}

QTEST_GUILESS_MAIN(tst_DrillTimers)
#include "tst_DrillTimers.moc"
