#include "DrillTimers.h"

#include "IntervalTimer.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

IntervalTimer *namedTimer(const QString &name, QObject *parent)
{
    auto *timer = new IntervalTimer(parent);
    timer->setObjectName(name);
    return timer;
}

} // namespace

int DrillTimers::thinkTimeInRange(int seconds)
{
    return std::clamp(seconds, MinThinkTime, MaxThinkTime);
}

int DrillTimers::thinkTimeFromTyped(const QString &typed)
{
    bool ok = false;
    const int seconds = typed.trimmed().toInt(&ok);
    return ok ? thinkTimeInRange(seconds) : MinThinkTime;
}

int DrillTimers::displayPositionInRange(int position)
{
    return std::clamp(position, MinDisplayPosition, MaxDisplayPosition);
}

int DrillTimers::displayInterval(int position)
{
    const int inRange = displayPositionInRange(position);
    return inRange == MinDisplayPosition ? 300 : (inRange - 1) * 1000;
}

DrillTimers::DrillTimers(int thinkTime, int displayPosition, QObject *parent)
    : QObject(parent)
    , Timer1(namedTimer(u"Timer1"_s, this))
    , Timer2(namedTimer(u"Timer2"_s, this))
    , Timer3(namedTimer(u"Timer3"_s, this))
    , m_thinkTime(thinkTimeInRange(thinkTime))
    , m_displayPosition(displayPositionInRange(displayPosition))
{
    connect(Timer3, &IntervalTimer::timeout, this, &DrillTimers::Timer3Timer);
}

void DrillTimers::questionPosed(bool chronometerOn)
{
    setGaugeValue(0);
    if (chronometerOn)
        restartThinkCount();
}

void DrillTimers::restartThinkCount()
{
    Timer1->setInterval(0);
    Timer1->setInterval(thinkInterval());
}

void DrillTimers::questionCleared()
{
    setGaugeValue(0);
    Timer1->setInterval(0);
}

void DrillTimers::startChronometer()
{
    Timer1->setInterval(thinkInterval());
    Timer1->setEnabled(true);
}

void DrillTimers::disableAll()
{
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    Timer3->setEnabled(false);
}

void DrillTimers::stopCounting()
{
    setGaugeValue(0);
    Timer1->setInterval(0);
    Timer3->setInterval(0);
}

void DrillTimers::startGauge()
{
    Timer3->setInterval(GaugeInterval);
    Timer3->setEnabled(true);
    emit gaugeChanged(m_gaugeValue, gaugeMaximum());
    Timer3Timer();
}

void DrillTimers::stopGauge()
{
    Timer3->setEnabled(false);
    Timer3->setInterval(0);
    setGaugeValue(0);
}

void DrillTimers::Timer3Timer()
{
    setGaugeValue(m_gaugeValue + 1);
}

void DrillTimers::changeThinkTime(int seconds, bool keepCounting)
{
    Timer1->setEnabled(false);
    m_thinkTime = thinkTimeInRange(seconds);
    setGaugeValue(m_gaugeValue);
    Timer1->setInterval(thinkInterval());
    if (keepCounting)
        Timer1->setEnabled(true);
}

void DrillTimers::changeDisplayPosition(int position)
{
    m_displayPosition = displayPositionInRange(position);
    Timer2->setInterval(0);
    Timer2->setInterval(displayInterval(m_displayPosition));
}

void DrillTimers::stopDisplay()
{
    Timer2->setEnabled(false);
}

void DrillTimers::revealNow()
{
    Timer1->setInterval(RevealInterval);
}

void DrillTimers::revealAnswer(bool gaugeShown)
{
    Timer2->setInterval(0);
    Timer2->setEnabled(false);
    if (gaugeShown)
        Timer3Timer();
    Timer1->setInterval(0);
    Timer2->setInterval(displayInterval(m_displayPosition));
    Timer2->setEnabled(true);
}

void DrillTimers::endReveal()
{
    Timer1->setInterval(0);
    Timer2->setInterval(0);
}

bool DrillTimers::thinkTickStillDue()
{
    const quint32 count = Timer1->countSerial();
    QCoreApplication::processEvents();
    return Timer1->countSerial() == count;
}

void DrillTimers::setGaugeValue(int value)
{
    // A shorter think time lowers the maximum under a gauge already further on.
    m_gaugeValue = std::clamp(value, 0, gaugeMaximum());
    emit gaugeChanged(m_gaugeValue, gaugeMaximum());
}
