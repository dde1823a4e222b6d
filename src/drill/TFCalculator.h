#pragma once

#include "CaptionedDialog.h"
#include "DrillActions.h"
#include "GradientSpec.h"
#include "JudgementOutcome.h"
#include "SoundEvent.h"
#include "TFCalculatorUi.h"
#include "Verdict.h"
#include "VerdictLine.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QStringList>

#include <optional>

class DrillChronometer;
class DrillTimers;
class EventSounds;
class TFColor;
class TAfterRecordDlg;
class TFSound;
class TRecordDlg;
class TFSwap;

// The drill window: poses one operation at a time from the chosen tables,
// takes the answer from the keypad or the keyboard, judges it and keeps the
// counters and the mark; with the chronometer, against the think time in
// writing or in the head; records operations and drills them again.
class TFCalculator : public CaptionedDialog, public DrillActions
{
    Q_OBJECT

public:
    // The dialogs the drill window opens; one not made (in a test) is not
    // opened.
    struct Dialogs
    {
        TFSwap *expert = nullptr;
        TFSound *sound = nullptr;
        TFColor *colours = nullptr;
        TRecordDlg *record = nullptr;
        TAfterRecordDlg *afterRecord = nullptr;
    };

    TFCalculator(AppContext &context, EventSounds &sounds);

    void setDialogs(const Dialogs &dialogs) { m_dialogs = dialogs; }

    // Reads the texts and puts those of the fixed captions on their controls
    // at once.
    void LoadCaptions() override;

    // The start window hands over its background before every drill.
    void takeBackground(const GradientSpec &spec);

    // The selected operator, -1 while none is selected.
    int operatorIndex() const;

    void restoreFocus() override;

    // Named operations for the record dialogs and the other buttons.
    void stopChronometer() override;
    void switchChronometerOff() override;
    void setRecordCaption(const QString &caption) override;

    // The keypad panel takes a new colour.
    void setKeypadColour(int colour);

    // The sound button shows a loudspeaker with waves while a sound set is on.
    void showSoundPicture(bool soundOn);
    // Without an audio device the sound options can't be opened.
    void setSoundButtonEnabled(bool enabled);

    // Operations from elsewhere (the weak facts of the history) are reviewed
    // as recorded ones are, from the next showing of the window.
    void reviewOperations(const QStringList &lines);

    // Poses the next question.
    void FormActivate();

    void BitBtn1Click();  // back
    void BitBtn2Click();  // Enter
    void BitBtn3Click() override; // reset
    void BitBtn6Click();  // expert options
    void BitBtn8Click();  // sound options
    void BitBtn10Click(); // screen colours
    void BitBtn9Click();  // help
    void BitBtn4Click();  // closes the help
    void BitBtn11Click(); // clear
    void BitBtn7Click();  // record
    void Button1Click();  // Enter in mental mode
    void Timer1Timer();
    void Timer2Timer();
    void OpSelDropDown();
    void OpSelChange();
    void AnsChange(const QString &answer);
    void SpeedButton1Click(QChar digit);
    void SpeedButton11Click(); // answer help
    void Label26Click();
    void Label27Click();
    void ShowCalcString(SoundEvent event, const QString &comment);
    // The mark, then the recording's steps for the judgement just shown.
    void CalcMark(JudgementOutcome outcome);

protected:
    void FormShow() override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int result) override;

private:
    void connectControls();
    void reportAnswer(Verdict verdict, const QString &given);
    void revealAnswer();
    void completeRecording();
    void loadOperators();
    void FormClose();
    void enableTopBar(bool enabled);
    void FormResize();
    void colourTopBar(int colour);
    void showMarkLine();
    void applyHideTextLeft();
    void applyHideTextRight();
    void activateOnce();
    QPixmap picture(const QString &relative) const;
    void loadTextures();

    TFCalculatorUi ui;
    EventSounds &m_sounds;
    Dialogs m_dialogs;
    DrillTimers *m_timers;
    DrillChronometer *m_chronometer;
    QIcon m_soundOn;
    QIcon m_soundOff;
    std::optional<VerdictLine> m_verdict; // made with the controls
    bool m_showing = false;
    // The question on screen is neither judged nor revealed yet.
    bool m_questionOpen = false;
    // The question on screen is a recorded one, not judged yet.
    bool m_recordedOpen = false;
    bool m_texturesLoaded = false;
    // Runs from the showing of the question on screen.
    QElapsedTimer m_questionShown;
};
