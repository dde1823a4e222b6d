#include "IntervalTimer.h"

#include <QtTest>

class tst_IntervalTimer : public QObject
{
    Q_OBJECT

private slots:
    void runsOnlyWhenEnabledWithAnInterval();
};

void tst_IntervalTimer::runsOnlyWhenEnabledWithAnInterval()
{
    IntervalTimer timer;
    timer.setInterval(1000);
    QVERIFY(!timer.isRunning());
    timer.setEnabled(true);
    QVERIFY(timer.isRunning());
    timer.setInterval(0);
    QVERIFY(!timer.isRunning());
    QVERIFY(timer.isEnabled());
    timer.setInterval(500);
    QVERIFY(timer.isRunning());
    timer.setEnabled(true); // already enabled: nothing changes
    QVERIFY(timer.isRunning());
    timer.setEnabled(false);
    QVERIFY(!timer.isRunning());
    QCOMPARE(timer.interval(), 500);
}

QTEST_GUILESS_MAIN(tst_IntervalTimer)
#include "tst_IntervalTimer.moc"
