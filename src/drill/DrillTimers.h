#pragma once

#include <QObject>
#include <QString>

class IntervalTimer;

// Owns the drill's three timers and the gauge count they drive: the think
// timer Timer1 (T seconds per question, 1 ms when mental-mode Enter reveals
// at once), the display timer Timer2 (how long a revealed answer stays) and
// the gauge timer Timer3 (a step every 105 ms, full at 8 x T). The window
// connects Timer1 and Timer2 to its tick handlers and shows gaugeChanged on
// its gauge; the chronometer switch, the mode choice and the options panel
// stay the window's and decide which operation it calls.
class DrillTimers : public QObject
{
    Q_OBJECT

public:
    static constexpr int MinThinkTime = 1;
    static constexpr int MaxThinkTime = 15;
    static constexpr int MinDisplayPosition = 1;
    static constexpr int MaxDisplayPosition = 4;
    static constexpr int GaugeStepsPerSecond = 8;
    static constexpr int GaugeInterval = 105;
    static constexpr int RevealInterval = 1;

    // A think time brought into 1 to 15 seconds.
    static int thinkTimeInRange(int seconds);

    // What a think time typed into the spin box counts as until the box
    // corrects it: above 15 as 15, a text that is not a number as 1.
    static int thinkTimeFromTyped(const QString &typed);

    // A display-time position brought into 1 to 4.
    static int displayPositionInRange(int position);

    // The display time of a position: 300 ms at 1, (position - 1) seconds above.
    static int displayInterval(int position);

    // Starts from the stored think time and display position, each brought
    // into its range; all three timers stopped, the gauge at 0.
    DrillTimers(int thinkTime, int displayPosition, QObject *parent = nullptr);

    int thinkTime() const { return m_thinkTime; }
    int displayPosition() const { return m_displayPosition; }
    int gaugeValue() const { return m_gaugeValue; }
    int gaugeMaximum() const { return GaugeStepsPerSecond * m_thinkTime; }

    // A question is posed: the gauge back to 0 and, with the chronometer on,
    // the think count started again.
    void questionPosed(bool chronometerOn);

    // Enter with the chronometer on: the think count starts again in full.
    void restartThinkCount();

    // The reset button: the gauge to 0 and the think count stopped until the
    // next question starts it.
    void questionCleared();

    // The chronometer starts: the think timer counts T seconds, enabled.
    void startChronometer();

    // The chronometer stops, or the window is left: all three timers disabled.
    void disableAll();

    // The switch turns off (or a recording completes): the gauge to 0, the
    // think and gauge counts stopped.
    void stopCounting();

    // The gauge is shown: its timer ticks every 105 ms towards 8 x T, and the
    // gauge advances one step at once.
    void startGauge();

    // The gauge back to 0, its timer left as it is.
    void resetGauge() { setGaugeValue(0); }

    // The gauge is hidden: its timer disabled and stopped, the gauge at 0.
    void stopGauge();

    // The gauge timer's tick: one step on, never beyond the maximum.
    void Timer3Timer();

    // A new think time: the gauge maximum follows; the current question's
    // count starts again with it when keepCounting (the options panel is
    // shown), else the think timer stays disabled.
    void changeThinkTime(int seconds, bool keepCounting);

    // A new display-time position: the display count starts again with its time.
    void changeDisplayPosition(int position);

    // Written mode is chosen: the display timer is disabled.
    void stopDisplay();

    // Enter in mental mode: the think time ends at once.
    void revealNow();

    // The think time ended in mental mode: the think count stops and the
    // display count starts in full; the gauge advances one step when shown.
    void revealAnswer(bool gaugeShown);

    // The display time ended: think and display counts stopped until the
    // next question.
    void endReveal();

    // First step of the think timer's tick: lets pending events run, then
    // says whether the count that ended is still the one running. False when
    // those events restarted or stopped it (an Enter judged the answer and
    // posed a new question): the tick is then dropped, so a late judgement
    // never hits a question the pupil has not seen.
    bool thinkTickStillDue();

    IntervalTimer *const Timer1;
    IntervalTimer *const Timer2;
    IntervalTimer *const Timer3;

signals:
    // The gauge's value or its maximum changed.
    void gaugeChanged(int value, int maximum);

private:
    int thinkInterval() const { return m_thinkTime * 1000; }
    void setGaugeValue(int value);

    int m_thinkTime;
    int m_displayPosition;
    int m_gaugeValue = 0;
};
