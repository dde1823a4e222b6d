#pragma once

#include <QObject>

struct AppContext;
class CaptionTexts;
class DrillTimers;
class EventSounds;
struct TFCalculatorUi;

// The drill window's chronometer on the window's own controls: the switch
// TrackBar1, the options panel Panel7 with the gauge, the think time and the
// display time, and the choice of written or mental mode RadioGroup2. The
// switch, the mode choice and whether the panel is shown hold its state;
// setting them runs their handlers only when the value changes.
class DrillChronometer : public QObject
{
    Q_OBJECT

public:
    DrillChronometer(TFCalculatorUi &ui, AppContext &context, const CaptionTexts &texts,
                     DrillTimers &timers, EventSounds &sounds, QObject *parent);

    // The options panel is shown.
    bool shown() const;
    // The switch is on: questions are timed.
    bool on() const;
    bool gaugeChosen() const;
    bool mentalChosen() const;

    // Hides the panel and puts the switch off, if the panel is shown.
    void stop();
    void switchOff();
    // Back to off and written mode without the switch's steps, for the next
    // showing of the window.
    void leaveQuietly();
    // The focus goes where the chosen mode answers.
    void restoreFocusByChoice();

signals:
    // Starting, stopping and a change of mode begin the drill afresh.
    void restartRequested();

private:
    void BitBtn12Click();
    void start();
    void TrackBar1Change(int position);
    void ChronoOn();
    void ChronoOff();
    void SetGauge();
    void RadioGroup1Click();
    void SpinEdit1Change(int seconds);
    void TrackBar2Change(int position);
    void RadioGroup2Click();
    void showErrorCount(bool visible);

    TFCalculatorUi &m_ui;
    AppContext &m_context;
    const CaptionTexts &m_texts;
    DrillTimers &m_timers;
    EventSounds &m_sounds;
};
