#include "DrillChronometer.h"

#include "AppContext.h"
#include "CaptionTexts.h"
#include "DrillTimers.h"
#include "EventSounds.h"
#include "Messages.h"
#include "TFCalculatorUi.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const int SwitchOff = 1;
const int SwitchOn = 2;

} // namespace

DrillChronometer::DrillChronometer(TFCalculatorUi &ui, AppContext &context, const CaptionTexts &texts,
                                   DrillTimers &timers, EventSounds &sounds, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_context(context)
    , m_texts(texts)
    , m_timers(timers)
    , m_sounds(sounds)
{
    connect(m_ui.BitBtn12, &QPushButton::clicked, this, &DrillChronometer::BitBtn12Click);
    connect(m_ui.TrackBar1, &QSlider::valueChanged, this, &DrillChronometer::TrackBar1Change);
    connect(m_ui.TrackBar2, &QSlider::valueChanged, this, &DrillChronometer::TrackBar2Change);
    connect(m_ui.SpinEdit1, &QSpinBox::valueChanged, this, &DrillChronometer::SpinEdit1Change);
    // Item 1's state changes with every change of the choice.
    connect(m_ui.RadioGroup1Items[1], &QRadioButton::toggled, this, &DrillChronometer::RadioGroup1Click);
    connect(m_ui.RadioGroup2Items[1], &QRadioButton::toggled, this, &DrillChronometer::RadioGroup2Click);
}

bool DrillChronometer::shown() const
{
    return !m_ui.Panel7->isHidden();
}

bool DrillChronometer::on() const
{
    return m_ui.TrackBar1->value() == SwitchOn;
}

bool DrillChronometer::gaugeChosen() const
{
    return m_ui.RadioGroup1Items[0]->isChecked();
}

bool DrillChronometer::mentalChosen() const
{
    return m_ui.RadioGroup2Items[1]->isChecked();
}

void DrillChronometer::BitBtn12Click()
{
    if (shown())
        stop();
    else
        start();
}

void DrillChronometer::start()
{
    if (gaugeChosen())
        SetGauge();
    m_ui.RadioGroup2Items[0]->setChecked(true);
    m_ui.BitBtn12->setText(m_texts.text(u"vTimerStopBtn"_s));
    m_ui.Panel7->show();
    m_ui.Panel7->raise();
    m_ui.Label12->setText(m_texts.text(u"vModeTimerStateLbl"_s));
    m_ui.TrackBar1->setValue(SwitchOn);
    m_timers.startChronometer();
    m_ui.Button1->setFocus();
    emit restartRequested();
}

void DrillChronometer::stop()
{
    if (!shown())
        return;
    m_timers.disableAll();
    m_ui.BitBtn12->setText(m_texts.text(u"vTimerGoBtn"_s));
    m_ui.Panel7->hide();
    m_ui.TrackBar1->setValue(SwitchOff);
    m_ui.Label12->setText(m_texts.text(u"vModeWaitingStateLbl"_s));
    m_ui.Label6->setText(u"Zzzzzz..."_s);
    m_ui.Ans->setFocus();
    emit restartRequested();
}

void DrillChronometer::switchOff()
{
    m_ui.TrackBar1->setValue(SwitchOff);
}

void DrillChronometer::TrackBar1Change(int position)
{
    if (position == SwitchOn)
        ChronoOn();
    else
        ChronoOff();
    Messages::beep();
}

void DrillChronometer::showErrorCount(bool visible)
{
    m_ui.Label9->setVisible(visible);
    m_ui.Label10->setText(QString::number(m_context.drill.ErrorCount));
    m_ui.Label10->setVisible(visible);
}

void DrillChronometer::ChronoOn()
{
    m_ui.RadioGroup1Items[m_context.settings.Jauge ? 0 : 1]->setChecked(true);
    showErrorCount(true);
    // Recording and review always run in written mode.
    const bool modeFree = !m_context.recording.isChosen() && !m_context.drill.Replaying;
    m_ui.RadioGroup2->setEnabled(modeFree);
    if (modeFree)
        m_ui.RadioGroup2Items[0]->setChecked(true);
    m_ui.Ans->setFocus();
    m_ui.RadioGroup1->setEnabled(true);
    if (gaugeChosen())
        m_timers.resetGauge();
    m_context.drill.MentalMode = false;
    m_ui.Panel9->hide();
}

void DrillChronometer::ChronoOff()
{
    m_ui.RadioGroup2->setEnabled(false);
    m_ui.RadioGroup2Items[0]->setChecked(true);
    m_context.drill.MentalMode = false;
    m_timers.stopCounting();
    m_ui.Ans->setFocus();
    showErrorCount(true);
    m_ui.Panel9->hide();
    m_ui.RadioGroup1->setEnabled(false);
}

void DrillChronometer::SetGauge()
{
    m_timers.startGauge();
    m_ui.Gauge1->show();
    m_context.settings.Jauge = true;
}

void DrillChronometer::RadioGroup1Click()
{
    if (gaugeChosen()) {
        SetGauge();
        return;
    }
    m_ui.Gauge1->hide();
    m_timers.stopGauge();
    m_context.settings.Jauge = false;
}

// The spin box keeps the think time within 1 to 15 seconds as it is typed.
void DrillChronometer::SpinEdit1Change(int seconds)
{
    m_timers.changeThinkTime(seconds, shown());
    m_context.settings.Timer1 = m_timers.thinkTime();
}

void DrillChronometer::TrackBar2Change(int position)
{
    m_context.settings.Timer2 = DrillTimers::displayPositionInRange(position);
    restoreFocusByChoice();
    m_timers.changeDisplayPosition(position);
}

void DrillChronometer::RadioGroup2Click()
{
    const bool mental = mentalChosen();
    m_ui.GroupBox2->setVisible(mental);
    m_ui.Ans->setReadOnly(mental);
    m_context.drill.MentalMode = mental;
    if (mental) {
        m_ui.Label12->setText(m_texts.text(u"vModeMentalStateLbl"_s));
        m_ui.Label6->setText(u"No comment..."_s);
        m_ui.Label11->hide();
    } else {
        m_timers.stopDisplay();
        m_ui.Panel9->hide();
        m_ui.Ans->setFocus();
        m_ui.Label6->setText(u"Zzzzzz...."_s);
        m_ui.Label11->show();
        m_ui.Label12->setText(m_texts.text(u"vModeWrittenStateLbl"_s));
    }
    showErrorCount(!mental);
    // The sound set is read afresh for the new mode.
    if (m_context.settings.Bouton != 0)
        m_sounds.reloadSequence();
    emit restartRequested();
    // Chosen with the arrow keys, the radio button takes the focus after
    // this handler; the focus goes where the pupil answers after that.
    QTimer::singleShot(0, this, &DrillChronometer::restoreFocusByChoice);
}

void DrillChronometer::restoreFocusByChoice()
{
    if (mentalChosen())
        m_ui.Button1->setFocus();
    else
        m_ui.Ans->setFocus();
}

// The next showing starts with the panel hidden, stopped and in written
// mode, with the counters kept: the next start runs the switch's steps and
// beeps, and the answer box takes typing again.
void DrillChronometer::leaveQuietly()
{
    if (shown()) {
        m_ui.Panel7->hide();
        m_ui.BitBtn12->setText(m_texts.text(u"vTimerGoBtn"_s));
    }
    const QSignalBlocker quietSwitch(m_ui.TrackBar1);
    const QSignalBlocker quietMode(m_ui.RadioGroup2Items[1]);
    m_ui.TrackBar1->setValue(SwitchOff);
    m_ui.RadioGroup2Items[0]->setChecked(true);
    m_ui.RadioGroup2->setEnabled(false);
    m_ui.RadioGroup1->setEnabled(false);
    m_ui.GroupBox2->hide();
    m_ui.Ans->setReadOnly(false);
    m_ui.Panel9->hide();
    showErrorCount(true);
}
