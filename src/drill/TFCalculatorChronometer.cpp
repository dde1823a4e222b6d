// The drill window's chronometer: its switch, its options panel, the written
// and mental modes, and the think and display timers' ticks.
#include "TFCalculator.h"

#include "AppContext.h"
#include "DrillTimers.h"
#include "EventSounds.h"
#include "JudgementOutcome.h"
#include "Messages.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const int SwitchOff = 1;
const int SwitchOn = 2;

} // namespace

// The chronometer. Its switch TrackBar1, the mode choice RadioGroup2 and
// whether the options panel Panel7 is shown hold its state; setting them runs
// their handlers only when the value changes.

bool TFCalculator::chronometerShown() const
{
    return !ui.Panel7->isHidden();
}

bool TFCalculator::chronometerOn() const
{
    return ui.TrackBar1->value() == SwitchOn;
}

bool TFCalculator::gaugeChosen() const
{
    return ui.RadioGroup1Items[0]->isChecked();
}

bool TFCalculator::mentalChosen() const
{
    return ui.RadioGroup2Items[1]->isChecked();
}

void TFCalculator::BitBtn12Click()
{
    if (chronometerShown())
        stopChronometer();
    else
        startChronometer();
}

void TFCalculator::startChronometer()
{
    if (gaugeChosen())
        SetGauge();
    ui.RadioGroup2Items[0]->setChecked(true);
    ui.BitBtn12->setText(text(u"vTimerStopBtn"_s));
    ui.Panel7->show();
    ui.Panel7->raise();
    ui.Label12->setText(text(u"vModeTimerStateLbl"_s));
    ui.TrackBar1->setValue(SwitchOn);
    m_timers->startChronometer();
    ui.Button1->setFocus();
    BitBtn3Click();
}

void TFCalculator::stopChronometer()
{
    if (!chronometerShown())
        return;
    m_timers->disableAll();
    ui.BitBtn12->setText(text(u"vTimerGoBtn"_s));
    ui.Panel7->hide();
    ui.TrackBar1->setValue(SwitchOff);
    ui.Label12->setText(text(u"vModeWaitingStateLbl"_s));
    ui.Label6->setText(u"Zzzzzz..."_s);
    ui.Ans->setFocus();
    BitBtn3Click();
}

void TFCalculator::switchChronometerOff()
{
    ui.TrackBar1->setValue(SwitchOff);
}

void TFCalculator::TrackBar1Change(int position)
{
    if (position == SwitchOn)
        ChronoOn();
    else
        ChronoOff();
    Messages::beep();
}

void TFCalculator::showErrorCount(bool shown)
{
    ui.Label9->setVisible(shown);
    ui.Label10->setText(QString::number(context().drill.ErrorCount));
    ui.Label10->setVisible(shown);
}

void TFCalculator::ChronoOn()
{
    const AppContext &ctx = context();
    ui.RadioGroup1Items[ctx.settings.Jauge ? 0 : 1]->setChecked(true);
    showErrorCount(true);
    // Recording and review always run in written mode.
    const bool modeFree = !ctx.recording.isChosen() && !ctx.drill.Replaying;
    ui.RadioGroup2->setEnabled(modeFree);
    if (modeFree)
        ui.RadioGroup2Items[0]->setChecked(true);
    ui.Ans->setFocus();
    ui.RadioGroup1->setEnabled(true);
    if (gaugeChosen())
        m_timers->resetGauge();
    context().drill.MentalMode = false;
    ui.Panel9->hide();
}

void TFCalculator::ChronoOff()
{
    ui.RadioGroup2->setEnabled(false);
    ui.RadioGroup2Items[0]->setChecked(true);
    context().drill.MentalMode = false;
    m_timers->stopCounting();
    ui.Ans->setFocus();
    showErrorCount(true);
    ui.Panel9->hide();
    ui.RadioGroup1->setEnabled(false);
}

void TFCalculator::SetGauge()
{
    m_timers->startGauge();
    ui.Gauge1->show();
    context().settings.Jauge = true;
}

void TFCalculator::RadioGroup1Click()
{
    if (gaugeChosen()) {
        SetGauge();
        return;
    }
    ui.Gauge1->hide();
    m_timers->stopGauge();
    context().settings.Jauge = false;
}

// The spin box keeps the think time within 1 to 15 seconds as it is typed.
void TFCalculator::SpinEdit1Change(int seconds)
{
    m_timers->changeThinkTime(seconds, chronometerShown());
    context().settings.Timer1 = m_timers->thinkTime();
}

void TFCalculator::TrackBar2Change(int position)
{
    context().settings.Timer2 = DrillTimers::displayPositionInRange(position);
    restoreFocusByChoice();
    m_timers->changeDisplayPosition(position);
}

void TFCalculator::RadioGroup2Click()
{
    AppContext &ctx = context();
    const bool mental = mentalChosen();
    ui.GroupBox2->setVisible(mental);
    ui.Ans->setReadOnly(mental);
    ctx.drill.MentalMode = mental;
    if (mental) {
        ui.Label12->setText(text(u"vModeMentalStateLbl"_s));
        ui.Label6->setText(u"No comment..."_s);
        ui.Label11->hide();
    } else {
        m_timers->stopDisplay();
        ui.Panel9->hide();
        ui.Ans->setFocus();
        ui.Label6->setText(u"Zzzzzz...."_s);
        ui.Label11->show();
        ui.Label12->setText(text(u"vModeWrittenStateLbl"_s));
    }
    showErrorCount(!mental);
    // The sound set is read afresh for the new mode.
    if (ctx.settings.Bouton != 0)
        m_sounds.reloadSequence();
    BitBtn3Click();
    // Chosen with the arrow keys, the radio button takes the focus after
    // this handler; the focus goes where the pupil answers after that.
    QTimer::singleShot(0, this, &TFCalculator::restoreFocusByChoice);
}

void TFCalculator::Timer1Timer()
{
    if (!m_timers->thinkTickStillDue())
        return;
    if (context().drill.MentalMode) {
        revealAnswer();
        return;
    }
    AppContext &ctx = context();
    const JudgementOutcome outcome = JudgementOutcome::ofLateAnswer(ui.Ans->text(), ctx.drill.Expected);
    reportAnswer(outcome.verdict(), ui.Ans->text());
    ctx.recording.countJudgement(outcome);
    ShowCalcString(outcome.event(), text(outcome.commentKey()));
    ui.Label8->setText(QString::number(ctx.drill.OperationCount));
    CalcMark(outcome);
    ui.Label11->show();
    showMarkLine();
    FormActivate();
}

// Mental mode: the right answer shows for the display time; nothing is judged.
void TFCalculator::revealAnswer()
{
    const AppContext &ctx = context();
    ui.Button1->setFocus();
    ui.Label8->setText(QString::number(ctx.drill.OperationCount));
    if (gaugeChosen())
        ui.Gauge1->show();
    m_timers->revealAnswer(gaugeChosen());
    reportAnswer(Verdict::Revealed, QString());
    ui.Ans->setText(QString::number(ctx.drill.Expected));
    m_questionOpen = false;
    if (ctx.settings.Bouton != 0)
        m_sounds.playDefaultSound();
}

void TFCalculator::Button1Click()
{
    ui.Ans->setText(QString::number(context().drill.Expected));
    m_timers->revealNow();
}

void TFCalculator::Timer2Timer()
{
    m_timers->endReveal();
    FormActivate();
}

// The next showing starts stopped and in written mode, with the counters
// kept: the next start runs the switch's steps and beeps, and the answer
// box takes typing again.
void TFCalculator::leaveChronometerQuietly()
{
    const QSignalBlocker quietSwitch(ui.TrackBar1);
    const QSignalBlocker quietMode(ui.RadioGroup2Items[1]);
    ui.TrackBar1->setValue(SwitchOff);
    ui.RadioGroup2Items[0]->setChecked(true);
    ui.RadioGroup2->setEnabled(false);
    ui.RadioGroup1->setEnabled(false);
    ui.GroupBox2->hide();
    ui.Ans->setReadOnly(false);
    ui.Panel9->hide();
    showErrorCount(true);
}
