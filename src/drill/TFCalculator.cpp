#include "TFCalculator.h"

#include "Answer.h"
#include "AppContext.h"
#include "Artwork.h"
#include "ColorValue.h"
#include "ControlNames.h"
#include "DrillChronometer.h"
#include "DrillTimers.h"
#include "DropDownList.h"
#include "EventSounds.h"
#include "HelpPanel.h"
#include "HistorySaving.h"
#include "IntervalTimer.h"
#include "Judgement.h"
#include "LanguageCode.h"
#include "LinkLabel.h"
#include "Marking.h"
#include "Messages.h"
#include "OperatorList.h"
#include "ProfileFile.h"
#include "QuestionGenerator.h"
#include "SafeFile.h"
#include "ScreenCentre.h"
#include "SettingsFile.h"
#include "TAfterRecordDlg.h"
#include "TFColor.h"
#include "TFSound.h"
#include "TFSwap.h"
#include "TGradient.h"
#include "TRecordDlg.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

TFCalculator::TFCalculator(AppContext &context, EventSounds &sounds)
    : CaptionedDialog(context, u"FCalculator"_s, QString())
    , m_sounds(sounds)
    , m_soundOn(Artwork::loudspeaker(20, true))
    , m_soundOff(Artwork::loudspeaker(20, false))
{
    ui.setupUi(this);
    m_verdict.emplace(ui.Label12, ui.Image7);
    m_timers = new DrillTimers(context.settings.Timer1, context.settings.Timer2, this);
    m_chronometer = new DrillChronometer(ui, context, texts(), *m_timers, sounds, this);
    ui.Gauge1->setRange(0, m_timers->gaugeMaximum());
    connectControls();

    // Creation: texts, keypad colour, title and fresh counters.
    LoadCaptions();
    setKeypadColour(context.settings.CalcColor);
    setWindowTitle(AppContext::programTitle());
    DrillState &drill = context.drill;
    drill.OperationCount = 0;
    drill.ErrorCount = 0;
    drill.Replaying = false;
    ui.Label8->setText(u"0"_s);
    ui.Label10->setText(u"0"_s);
    showSoundPicture(context.settings.Bouton != 0);
}

void TFCalculator::connectControls()
{
    // Only a pick of another entry poses a question; the program's own
    // selections block the signal.
    connect(ui.OpSel, &QComboBox::currentIndexChanged, this, &TFCalculator::OpSelChange);
    connect(ui.OpSel, &DropDownList::droppingDown, this, &TFCalculator::OpSelDropDown);
    connect(ui.BitBtn1, &QPushButton::clicked, this, &TFCalculator::BitBtn1Click);
    connect(ui.BitBtn6, &QPushButton::clicked, this, &TFCalculator::BitBtn6Click);
    connect(ui.BitBtn8, &QPushButton::clicked, this, &TFCalculator::BitBtn8Click);
    connect(ui.BitBtn10, &QPushButton::clicked, this, &TFCalculator::BitBtn10Click);
    connect(ui.BitBtn9, &QPushButton::clicked, this, &TFCalculator::BitBtn9Click);
    connect(ui.Panel14, &HelpPanel::closeClicked, this, &TFCalculator::BitBtn4Click);
    connect(ui.Ans, &QLineEdit::textChanged, this, &TFCalculator::AnsChange);
    for (QToolButton *button : ui.SpeedButtons) {
        const QChar digit = button->text().front();
        connect(button, &QToolButton::clicked, this, [this, digit] { SpeedButton1Click(digit); });
    }
    connect(ui.BitBtn2, &QPushButton::clicked, this, &TFCalculator::BitBtn2Click);
    connect(ui.BitBtn11, &QPushButton::clicked, this, &TFCalculator::BitBtn11Click);
    connect(ui.SpeedButton11, &QToolButton::clicked, this, &TFCalculator::SpeedButton11Click);
    connect(ui.Label26, &LinkLabel::clicked, this, &TFCalculator::Label26Click);
    connect(ui.BitBtn3, &QPushButton::clicked, this, &TFCalculator::BitBtn3Click);
    connect(ui.Label27, &LinkLabel::clicked, this, &TFCalculator::Label27Click);
    connect(ui.BitBtn7, &QPushButton::clicked, this, &TFCalculator::BitBtn7Click);
    connect(ui.Button1, &QPushButton::clicked, this, &TFCalculator::Button1Click);
    connect(m_chronometer, &DrillChronometer::restartRequested, this, &TFCalculator::BitBtn3Click);
    connect(m_timers->Timer1, &IntervalTimer::timeout, this, &TFCalculator::Timer1Timer);
    connect(m_timers->Timer2, &IntervalTimer::timeout, this, &TFCalculator::Timer2Timer);
    connect(m_timers, &DrillTimers::gaugeChanged, this, [this](int value, int maximum) {
        ui.Gauge1->setRange(0, maximum);
        ui.Gauge1->setValue(value);
    });
}

// Read through the program's reader, which opens only regular files.
QPixmap TFCalculator::picture(const QString &relative) const
{
    QPixmap pixmap;
    if (const auto bytes = SafeFile::read(context().path(relative)))
        pixmap.loadFromData(*bytes);
    return pixmap;
}

// The textures are read when the window is first shown, not while the
// program starts.
void TFCalculator::loadTextures()
{
    if (m_texturesLoaded)
        return;
    m_texturesLoaded = true;
    ui.Image2->setPixmap(picture(u"pictures/keypad-texture.jpg"_s));
    ui.Image4->setPixmap(picture(u"pictures/help-texture.jpg"_s));
}

void TFCalculator::LoadCaptions()
{
    CaptionedDialog::LoadCaptions();
    ui.BitBtn1->setText(text(u"vCaptionBtn1"_s));
    ui.BitBtn6->setText(text(u"vCaptionBtn6"_s));
    ui.BitBtn8->setText(text(u"vCaptionBtn8"_s));
    ui.BitBtn10->setText(text(u"vCaptionBtn10"_s));
    ui.BitBtn9->setText(text(u"vCaptionBtn9"_s));
    ui.BitBtn2->setText(text(u"vCaptionBtn2"_s));
    ui.Label13->setText(text(u"vLastCalcLbl"_s));
    ui.Label24->setText(text(u"vCounterLbl"_s));
    ui.Label7->setText(text(u"vOperationLbl"_s));
    ui.Label9->setText(text(u"vErrorsLbl"_s));
    ui.Label22->setText(text(u"vAverageLbl"_s));
    ui.BitBtn3->setText(text(u"vResetBtn"_s));
    ui.GroupBox1->setTitle(text(u"vThinkTimeCaption"_s));
    ui.RadioGroup1->setTitle(text(u"vGaugeCaption"_s));
    ui.RadioGroup1Items[0]->setText(text(u"vGaugeVisibleItem"_s));
    ui.RadioGroup1Items[1]->setText(text(u"vGaugeHiddenItem"_s));
    ui.RadioGroup2->setTitle(text(u"vModeCaption"_s));
    ui.RadioGroup2Items[0]->setText(text(u"vModeWrittenItem"_s));
    ui.RadioGroup2Items[1]->setText(text(u"vModeMentalItem"_s));
    ui.GroupBox2->setTitle(text(u"vDispAnswerCaption"_s));
    ControlNames::name(ui.Ans, text(u"vAnswerHint"_s));
    ControlNames::namePicture(ui.BitBtn11, text(u"vClearHint"_s));
    ControlNames::namePicture(ui.BitBtn7, text(u"vRecordHint"_s));
    ControlNames::namePicture(ui.SpeedButton11, text(u"vAnswerHelpHint"_s));
    ControlNames::name(ui.Gauge1, text(u"vGaugeCaption"_s));
    ControlNames::name(ui.Button1, text(u"vCaptionBtn2"_s));
    ControlNames::name(ui.TrackBar1, text(u"vTimerSwitchHint"_s));
    ControlNames::name(ui.Memo1, text(u"vRecordListHint"_s));
    m_verdict->setNames(text(u"vVerdictRightImg"_s), text(u"vVerdictWrongImg"_s));
}

void TFCalculator::takeBackground(const GradientSpec &spec)
{
    ui.Gradient1->setSpec(spec);
    colourTopBar(spec.firstColor());
}

void TFCalculator::colourTopBar(int colour)
{
    for (QFrame *part : {ui.Panel16, ui.Panel17, ui.Panel18, ui.Panel8})
        TFCalculatorUi::setBackground(part, ColorValue::toColor(colour));
}

int TFCalculator::operatorIndex() const
{
    return ui.OpSel->currentIndex();
}

void TFCalculator::restoreFocus()
{
    if (context().drill.MentalMode)
        ui.Button1->setFocus();
    else
        ui.Ans->setFocus();
}

void TFCalculator::stopChronometer()
{
    m_chronometer->stop();
}

void TFCalculator::switchChronometerOff()
{
    m_chronometer->switchOff();
}

void TFCalculator::showSoundPicture(bool soundOn)
{
    ui.BitBtn8->setIcon(soundOn ? m_soundOn : m_soundOff);
}

void TFCalculator::setSoundButtonEnabled(bool enabled)
{
    ui.BitBtn8->setEnabled(enabled);
}

void TFCalculator::loadOperators()
{
    const AppContext &ctx = context();
    const QSignalBlocker programMade(ui.OpSel);
    ui.OpSel->clear();
    if (const auto names = OperatorList::load(ctx.AppDir, ctx.LanguageCode)) {
        ui.OpSel->addItems(names->mid(0, OperatorKinds::Count));
        // The open list shows the names in full, even where the box is too narrow.
        ui.OpSel->view()->setMinimumWidth(ui.OpSel->view()->sizeHintForColumn(0) + 8);
    } else {
        Messages::show(u"Cannot open file %1"_s.arg(
            QDir::toNativeSeparators(ctx.path(OperatorList::relativePath(ctx.LanguageCode)))));
    }
    const ProfileFile settings(ctx.path(SettingsFile::RelativePath));
    const int stored = OperatorKinds::indexFromStored(settings.readString(u"GLOBAL"_s, u"Operation"_s, u"0"_s));
    ui.OpSel->setCurrentIndex(stored < ui.OpSel->count() ? stored : -1);
}

void TFCalculator::FormShow()
{
    const AppContext &ctx = context();
    loadTextures();
    loadOperators();
    ui.Panel14->setTexts(text(u"vHelpTopInfoLbl"_s), text(u"vHelpCloseBtn"_s));
    ui.BitBtn12->setText(text(u"vTimerGoBtn"_s));
    ui.Label11->setText(ctx.drill.MarkText + u' ' + text(u"vAverageCalc"_s));
    ui.Label12->setText(text(u"vModeWaitingStateLbl"_s));
    ui.Label6->setText(text(u"vResultWaitLbl"_s));
    ui.Label9->show();
    ui.Label10->setText(QString::number(ctx.drill.ErrorCount));
    ui.Label10->show();
    ui.Label16->setText(text(u"vRightInfoText1Lbl"_s));
    ui.Label18->setText(text(u"vRightInfoText2Lbl"_s));
    ui.Label19->setText(text(u"vRightInfoText3Lbl"_s));
    ui.Label17->setText(text(u"vLeftInfoTextTopLbl"_s));
    ui.Label25->setText(text(u"vLeftInfoTextBotLbl"_s));
    ui.RadioGroup1Items[ctx.settings.Jauge ? 0 : 1]->setChecked(true);
    ui.Gauge1->setVisible(ctx.settings.Jauge);
    context().drill.MentalMode = false;
    applyHideTextLeft();
    applyHideTextRight();
}

void TFCalculator::showEvent(QShowEvent *event)
{
    CaptionedDialog::showEvent(event);
    if (event->spontaneous() || m_showing)
        return;
    m_showing = true;
    ScreenCentre::place(this);
    // The first question comes once the window is up, once per showing.
    QTimer::singleShot(0, this, &TFCalculator::activateOnce);
}

void TFCalculator::activateOnce()
{
    if (isVisible())
        FormActivate();
}

void TFCalculator::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        m_showing = false;
    CaptionedDialog::hideEvent(event);
}

void TFCalculator::FormActivate()
{
    AppContext &ctx = context();
    DrillState &drill = ctx.drill;
    std::optional<OperatorKind> kind = OperatorKinds::fromIndex(ui.OpSel->currentIndex());
    if (!kind) {
        const QSignalBlocker programMade(ui.OpSel);
        ui.OpSel->setCurrentIndex(ui.OpSel->count() > 0 ? 0 : -1);
        kind = OperatorKind::Multiply;
    }
    const QuestionGenerator::Request request{*kind, OperatorKinds::divisionSign(ctx.LanguageCode),
                                             ctx.LBRange, ctx.LBChoice,
                                             ctx.settings.Inversion};
    if (!drill.Replaying) {
        QuestionGenerator::chooseSign(drill, request);
        ui.Label2->setText(drill.Sign);
    }
    showSoundPicture(ctx.settings.Bouton != 0);
    // A question replaced before it was judged or revealed gives its count to
    // the next one; after a reset the next one is operation 1.
    if (!m_questionOpen || drill.OperationCount == 0)
        ++drill.OperationCount;
    m_questionOpen = true;

    ui.Panel9->setVisible(drill.MentalMode);
    m_timers->questionPosed(m_chronometer->on());
    ui.TrackBar2->setValue(ctx.settings.Timer2);
    QPalette bar = ui.Gauge1->palette();
    if (bar.color(QPalette::Highlight) != ColorValue::toColor(ctx.settings.Couleur)) {
        bar.setColor(QPalette::Highlight, ColorValue::toColor(ctx.settings.Couleur));
        ui.Gauge1->setPalette(bar);
    }
    ui.SpinEdit1->setValue(ctx.settings.Timer1);

    ui.Label10->setText(QString::number(drill.ErrorCount));
    ui.Ans->clear();

    if (drill.Replaying) {
        // A recorded operation left unanswered (by a reset, or by leaving the
        // drill) is posed again, not passed over.
        if (!m_recordedOpen && !ctx.recording.poseNext()) {
            // The review is over: erased with its message, then generated
            // questions again.
            m_dialogs.afterRecord->CancelBtnClick();
            FormActivate();
            return;
        }
        m_recordedOpen = true;
        ui.Label2->setText(drill.Sign);
    } else {
        m_recordedOpen = false;
        QuestionGenerator::drawFactors(drill, request);
    }
    ui.F1->setText(drill.FirstText);
    ui.F2->setText(drill.SecondText);
    m_questionShown.start();
    if (!drill.MentalMode)
        ui.Ans->setFocus();
}

// The drill's one report to the history of answers: the question on screen,
// the answer as typed and the time since the question was shown.
void TFCalculator::reportAnswer(Verdict verdict, const QString &given)
{
    const qint64 elapsed = std::min<qint64>(m_questionShown.elapsed(), std::numeric_limits<int>::max());
    if (const auto answer = Answer::judged(context().drill, given, verdict, int(elapsed)))
        context().history.add(*answer);
}

// Enter can't judge an empty answer.
void TFCalculator::AnsChange(const QString &answer)
{
    ui.BitBtn2->setEnabled(!answer.isEmpty());
}

void TFCalculator::SpeedButton1Click(QChar digit)
{
    ui.Ans->setText(ui.Ans->text() + digit);
}

void TFCalculator::BitBtn11Click()
{
    ui.Ans->clear();
    ui.Ans->setFocus();
}

void TFCalculator::SpeedButton11Click()
{
    const DrillState &drill = context().drill;
    ui.Label12->setText(text(u"vModeClickEnterStateLbl"_s));
    ui.Ans->setText(QString::number(QuestionGenerator::screenAnswer(ui.F1->text(), ui.F2->text(), drill.Sign)));
}

void TFCalculator::BitBtn2Click()
{
    AppContext &ctx = context();
    const JudgementOutcome outcome = JudgementOutcome::ofAnswer(ui.Ans->text(), ctx.drill.Expected);
    reportAnswer(outcome.verdict(), ui.Ans->text());
    ShowCalcString(outcome.event(), text(outcome.commentKey()));
    ui.Label11->show();
    ui.Label8->setText(QString::number(ctx.drill.OperationCount));
    if (m_chronometer->on())
        m_timers->restartThinkCount();
    ctx.recording.countJudgement(outcome);
    CalcMark(outcome);
    ui.Ans->clear();
    showMarkLine();
    FormActivate();
}

void TFCalculator::ShowCalcString(SoundEvent event, const QString &comment)
{
    DrillState &drill = context().drill;
    if (ui.Ans->text().isEmpty())
        ui.Ans->setText(u"00"_s);
    if (Judgement::isRight(ui.Ans->text(), drill.Expected)) {
        m_verdict->show(VerdictLine::State::Right);
    } else {
        m_verdict->show(VerdictLine::State::Wrong);
        ++drill.ErrorCount;
        ui.Label10->setText(QString::number(drill.ErrorCount));
    }
    ui.Label12->setText(Judgement::resultLine(drill));
    ui.Label6->setText(Judgement::comment(comment));
    m_questionOpen = false;
    m_recordedOpen = false;
    m_sounds.MakeSound(event);
}

void TFCalculator::CalcMark(JudgementOutcome outcome)
{
    AppContext &ctx = context();
    Marking::CalcMark(ctx.drill, QLocale());
    if (ctx.recording.storeJudgement(outcome) && !m_dialogs.afterRecord->isVisible())
        completeRecording();
}

// The recording reached its count: the chronometer stops counting (its
// options panel stays until review or erase) and the pupil chooses.
void TFCalculator::completeRecording()
{
    if (ui.Ans->text() == u"00"_s)
        ui.Ans->clear();
    m_timers->stopCounting();
    switchChronometerOff();
    ui.Label10->setText(QString::number(context().drill.ErrorCount));
    m_dialogs.afterRecord->exec();
}

void TFCalculator::showMarkLine()
{
    ui.Label11->setText(context().drill.MarkText + u' ' + text(u"vAverageCalc"_s));
}

// The review starts as the after-record dialog's review button starts it:
// fresh counters, then the first operation at the next question. A review
// left unfinished gives way, its question on screen too.
void TFCalculator::reviewOperations(const QStringList &lines)
{
    Recording &recording = context().recording;
    recording.erase();
    m_recordedOpen = false;
    stopChronometer();
    BitBtn3Click();
    recording.startReview(lines);
    setRecordCaption(recording.caption());
}

void TFCalculator::BitBtn3Click()
{
    DrillState &drill = context().drill;
    ui.Label11->hide();
    drill.OperationCount = 0;
    drill.ErrorCount = 0;
    ui.Label8->setText(u"0"_s);
    ui.Label10->setText(u"0"_s);
    ui.Panel2->repaint();
    m_chronometer->restoreFocusByChoice();
    m_timers->questionCleared();
    FormActivate();
}

// Recording always starts with the chronometer stopped, in written mode,
// with fresh counters.
void TFCalculator::BitBtn7Click()
{
    stopChronometer();
    switchChronometerOff();
    if (m_dialogs.record)
        m_dialogs.record->exec();
    DrillState &drill = context().drill;
    drill.OperationCount = 0;
    drill.ErrorCount = 0;
    ui.Label8->setText(u"0"_s);
    ui.Label10->setText(u"0"_s);
    FormActivate();
}

void TFCalculator::setRecordCaption(const QString &caption)
{
    ui.BitBtn7Caption->setText(caption);
}

void TFCalculator::BitBtn1Click()
{
    reject();
}

// A stray Escape must not take a child out of the drill: the window closes
// by Back and by its close box only.
void TFCalculator::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        return;
    CaptionedDialog::keyPressEvent(event);
}

void TFCalculator::done(int result)
{
    FormClose();
    CaptionedDialog::done(result);
}

// Leaving the drill stops the chronometer's work; the counters, the drill
// state and the chronometer switch stay for the next drill.
// A recording breaks off with its erase; a review goes on at the next showing.
void TFCalculator::FormClose()
{
    if (!ui.Panel14->isHidden())
        BitBtn4Click();
    context().drill.MentalMode = false;
    m_timers->disableAll();
    m_chronometer->leaveQuietly();
    if (context().recording.isChosen())
        m_dialogs.afterRecord->CancelBtnClick();
    HistorySaving::save(context().history);
}

// The options apply from the next question; the pupil answers on.
void TFCalculator::BitBtn6Click()
{
    stopChronometer();
    if (m_dialogs.expert)
        m_dialogs.expert->exec();
    restoreFocus();
}

void TFCalculator::BitBtn8Click()
{
    stopChronometer();
    if (m_dialogs.sound)
        m_dialogs.sound->exec();
    restoreFocus();
}

void TFCalculator::BitBtn10Click()
{
    stopChronometer();
    if (m_dialogs.colours)
        m_dialogs.colours->adjust(ui.Gradient1->spec());
    restoreFocus();
}

void TFCalculator::BitBtn9Click()
{
    stopChronometer();
    enableTopBar(false);
    ui.Button1->hide();
    ui.Panel14->resize(ui.Panel14->width(), ui.Gradient1->height() - 40);
    ui.Panel5->hide();
    ui.Panel14->raise();
    if (!ui.Panel14->load(LanguageCode::helpPagePath(context().AppDir, context().LanguageCode))) {
        BitBtn4Click();
        return;
    }
    ui.Panel14->show();
    ui.Panel14->closeButton()->setDefault(true);
    ui.Panel14->focusPage();
}

void TFCalculator::BitBtn4Click()
{
    ui.Panel14->setTexts(text(u"vHelpTopInfoLbl"_s), text(u"vHelpCloseBtn"_s));
    enableTopBar(true);
    ui.Button1->show();
    ui.Panel14->hide();
    ui.Panel5->show();
    ui.BitBtn2->setDefault(true);
    ui.Ans->setFocus();
}

// While help is open the pupil reads it: the buttons to other windows and
// the operator list wait.
void TFCalculator::enableTopBar(bool enabled)
{
    for (QWidget *control : std::initializer_list<QWidget *>{ui.BitBtn1, ui.BitBtn6, ui.BitBtn8, ui.BitBtn9,
                                                             ui.BitBtn10, ui.OpSel})
        control->setEnabled(enabled);
}

void TFCalculator::setKeypadColour(int colour)
{
    TFCalculatorUi::setBackground(ui.Panel13, ColorValue::toColor(colour));
}

void TFCalculator::OpSelDropDown()
{
    stopChronometer();
    ui.OpSel->setFocus();
}

void TFCalculator::OpSelChange()
{
    FormActivate();
}

void TFCalculator::Label26Click()
{
    bool &hidden = context().settings.HideTextLeft;
    hidden = !hidden;
    applyHideTextLeft();
}

void TFCalculator::Label27Click()
{
    bool &hidden = context().settings.HideTextRight;
    hidden = !hidden;
    applyHideTextRight();
}

void TFCalculator::applyHideTextLeft()
{
    const bool hidden = context().settings.HideTextLeft;
    ui.Label17->setVisible(!hidden);
    ui.Label25->setVisible(!hidden);
    ui.Label26->setText(text(hidden ? u"vViewInfoLbl"_s : u"vHideTextLbl"_s));
    ui.Label26->adjustSize();
    ui.Label26->move(ui.Panel9->width() - ui.Label26->width() - 6, ui.Panel9->height() - ui.Label26->height() - 6);
}

void TFCalculator::applyHideTextRight()
{
    const bool hidden = context().settings.HideTextRight;
    ui.Image4->setVisible(hidden);
    ui.Image6->setVisible(hidden);
    ui.Label27->setText(text(hidden ? u"vViewInfoLbl"_s : u"vHideTextLbl"_s));
    ui.Label27->raise();
}

void TFCalculator::resizeEvent(QResizeEvent *event)
{
    CaptionedDialog::resizeEvent(event);
    FormResize();
}

void TFCalculator::FormResize()
{
    ui.layOut(size());
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
    if (m_chronometer->gaugeChosen())
        ui.Gauge1->show();
    m_timers->revealAnswer(m_chronometer->gaugeChosen());
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
