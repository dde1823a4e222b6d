#include "IntervalTimer.h"

IntervalTimer::IntervalTimer(QObject *parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &IntervalTimer::timeout);
}

void IntervalTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    restart();
}

void IntervalTimer::setInterval(int milliseconds)
{
    m_interval = qMax(0, milliseconds);
    restart();
}

void IntervalTimer::restart()
{
    ++m_countSerial;
    m_timer.stop();
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
}
