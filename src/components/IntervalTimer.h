#pragma once

#include <QObject>
#include <QTimer>

// A timer with an enabled flag and an interval: it ticks while it is enabled
// and its interval is above 0. Setting the interval starts the count again;
// an interval of 0 stops it without clearing the flag.
class IntervalTimer : public QObject
{
    Q_OBJECT

public:
    explicit IntervalTimer(QObject *parent = nullptr);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);

    bool isRunning() const { return m_timer.isActive(); }

    // Changes every time the count is started again or stopped, so that a
    // tick can tell whether the count it ended is still the one running.
    quint32 countSerial() const { return m_countSerial; }

signals:
    void timeout();

private:
    void restart();

    QTimer m_timer;
    bool m_enabled = false;
    int m_interval = 0;
    quint32 m_countSerial = 0;
};
