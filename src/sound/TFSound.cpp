#include "TFSound.h"

#include "AppContext.h"
#include "AudioDevice.h"
#include "AudioSystem.h"
#include "ControlNames.h"
#include "EventSounds.h"
#include "Messages.h"
#include "NamedChild.h"
#include "ScreenCentre.h"
#include "SoundSequence.h"
#include "SoundTitles.h"
#include "TFAudio.h"
#include "TFSoundTest.h"
#include "TextExcerpt.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString escaped(QString text)
{
    return text.replace(u'&', u"&&"_s);
}

} // namespace

TFSound::TFSound(AppContext &context, EventSounds &sounds)
    : CaptionedDialog(context, u"FSound"_s, u"vFSoundCaption"_s)
    , RadioGroup1(makeNamed<QGroupBox>(this, u"RadioGroup1"_s))
    , BitBtn8(makeNamed<QPushButton>(this, u"BitBtn8"_s))
    , BitBtn3(makeNamed<QPushButton>(this, u"BitBtn3"_s))
    , Label1(makeNamed<QLabel>(this, u"Label1"_s))
    , BitBtn1(makeNamed<QPushButton>(this, u"BitBtn1"_s))
    , PB(makeNamed<QProgressBar>(this, u"PB"_s))
    , Label2(makeNamed<QLabel>(this, u"Label2"_s))
    , m_sounds(sounds)
    , m_group(new QButtonGroup(this))
    , m_choices(SoundTitles::initialChoices())
{
    makeFixedDialog();

    RadioGroup1->setGeometry(10, 8, 280, 112);
    for (int i = 0; i < SoundTitles::ChoiceCount; ++i) {
        auto *choice = makeNamed<QRadioButton>(RadioGroup1, u"Choice%1"_s.arg(i));
        // Two columns, filled column by column.
        choice->setGeometry(12 + (i / 3) * 134, 24 + (i % 3) * 28, 128, 24);
        m_group->addButton(choice, i);
        Choices[size_t(i)] = choice;
    }
    Choices[0]->setChecked(true);
    setChoiceTexts();

    BitBtn8->setGeometry(302, 16, 190, 30);
    BitBtn3->setGeometry(302, 54, 190, 30);
    Label1->setGeometry(302, 92, 190, 22);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet(u"color: #b00000;"_s);
    BitBtn1->setGeometry(302, 128, 190, 30);
    BitBtn1->setText(u"OK"_s);
    BitBtn1->setDefault(true);
    PB->setGeometry(10, 128, 280, 14);
    PB->setRange(0, SoundSequence::EntryCount);
    PB->setTextVisible(false);
    Label2->setGeometry(10, 144, 280, 18);
    PB->hide();
    Label2->hide();
    setFixedSize(504, 170);

    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked)
            return;
        emit soundSetChosen(id, m_choices);
        RadioGroup1Click(id);
    });
    connect(BitBtn8, &QPushButton::clicked, this, &TFSound::BitBtn8Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFSound::BitBtn3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TFSound::BitBtn1Click);
    LoadCaptions();
}

void TFSound::closePlayers() const
{
    m_sounds.player.close();
    if (m_dialogs.editor)
        m_dialogs.editor->stopPlayers();
}

void TFSound::setChoiceTexts()
{
    for (int i = 0; i < SoundTitles::ChoiceCount; ++i)
        Choices[size_t(i)]->setText(escaped(m_choices.value(i)));
    emit soundSetChosen(selectedSequence(), m_choices);
}

void TFSound::selectSequence(int number)
{
    Choices[size_t(std::clamp(number, 0, SoundTitles::ChoiceCount - 1))]->setChecked(true);
}

int TFSound::selectedSequence() const
{
    return std::max(m_group->checkedId(), 0);
}

QString TFSound::selectedTitle() const
{
    return m_choices.value(selectedSequence());
}

void TFSound::setSelectedTitle(const QString &title)
{
    m_choices[selectedSequence()] = title;
    setChoiceTexts();
}

void TFSound::showProgress(const QString &status)
{
    PB->setValue(0);
    Label2->setText(status);
    PB->show();
    Label2->show();
    repaint();
}

void TFSound::hideProgress()
{
    PB->hide();
    Label2->hide();
}

// A file that stays unreadable or unwritable is reported once per run, not
// at every showing of the start window.
void TFSound::reportOnce(const QString &message)
{
    if (m_reported.contains(message))
        return;
    m_reported.insert(message);
    Messages::show(message);
}

bool TFSound::loadCurrentList(int number, bool reportFailure)
{
    if (m_sounds.loadSequence(number))
        return true;
    if (reportFailure)
        reportOnce(u"Cannot open file %1"_s.arg(native(m_sounds.FileName)));
    return false;
}

void TFSound::saveCurrentList(int number)
{
    const QString path = SoundSequence::filePath(context().AppDir, number);
    const SafeFile::Result result = m_sounds.ListBox1.save(path);
    if (result != SafeFile::Result::Written)
        reportOnce(SafeFile::failureText(result, path));
}

// The message of a set whose files can't be found, once per run for each
// set, and the set put back to the default sound.
void TFSound::resetToDefaults(int number, const QString &lastSentence)
{
    m_sounds.ListBox1 = SoundSequence::defaults();
    if (!m_resetSets.contains(number))
        Messages::show(u"Problem: file(s) not found! Please edit sequence \"%1\" now.\r\n%2"_s
                           .arg(TextExcerpt::shortened(selectedTitle()), lastSentence));
    m_resetSets.insert(number);
    saveCurrentList(number);
}

bool TFSound::CheckSequence(int number)
{
    BitBtn8->setEnabled(false);
    BitBtn3->setEnabled(false);
    BitBtn1->setEnabled(false);
    Label1->hide();
    const QString appDir = context().AppDir;
    SoundSequence &list = m_sounds.ListBox1;
    const bool loaded = loadCurrentList(number, true);
    bool repaired = false;
    if (loaded) {
        showProgress(u"Testing..."_s);
        SoundPlayer &player = m_sounds.player;
        for (int i = 0; i < SoundSequence::EntryCount; ++i) {
            player.FileName = list.resolved(i, appDir);
            if (!player.open() && list.entry(i) != SoundSequence::DefaultEntry) {
                list.setEntry(i, SoundSequence::DefaultEntry);
                repaired = true;
            }
            player.close();
            PB->setValue(i + 1);
        }
        hideProgress();
    } else {
        // The unreadable file is left alone; the set sounds the default
        // sound until it is edited.
        list = SoundSequence::defaults();
    }
    context().settings.Bouton = qint8(number);
    // Only a repair is saved, so that a read-only program folder brings no
    // message at every start.
    if (repaired)
        saveCurrentList(number);
    BitBtn8->setEnabled(true);
    BitBtn3->setEnabled(true);
    BitBtn1->setEnabled(true);
    Label1->hide();
    m_checkFailed = !loaded;
    return loaded;
}

void TFSound::startWindowShowStep()
{
    // A program given no audio device (tests of other windows) neither
    // checks its sets nor tells about them.
    if (!AudioSystem::isInstalled())
        return;
    AppSettings &settings = context().settings;
    // The device comes first, so that a machine without sound does not find
    // every file of its set unplayable and lose it to the default sound.
    if (settings.Bouton != 0)
        TestAudio();
    m_checkFailed = false;
    selectSequence(settings.Bouton);
    closePlayers();
    if (settings.Bouton == 0 || m_checkFailed)
        return;

    const int number = selectedSequence();
    bool ok = loadCurrentList(number, false);
    if (ok && context().StartupSoundPending) {
        ok = m_sounds.player.playFileToEnd(m_sounds.ListBox1.resolved(0, context().AppDir));
        m_sounds.player.close();
        if (ok)
            context().StartupSoundPending = false;
    }
    if (!ok) {
        settings.Bouton = qint8(number);
        resetToDefaults(number, u"This sequence was reset to sound defaults."_s);
    }
}

void TFSound::startWindowActivationStep(QWidget *startWindow)
{
    if (m_sounds.soundWorkSkipped())
        return;
    TestAudio();
    if (context().StartupSoundPending)
        TestSoundFiles(startWindow);
}

void TFSound::TestAudio()
{
    if (AudioSystem::device().outputDeviceCount() > 0)
        return;
    emit audioDeviceMissing();
    Messages::show(u"No audio device on this system !"_s);
    context().settings.Bouton = 0;
}

void TFSound::TestSoundFiles(QWidget *startWindow)
{
    QCoreApplication::processEvents();
    AppSettings &settings = context().settings;
    selectSequence(settings.Bouton);
    closePlayers();
    if (settings.Bouton != 0) {
        startWindow->repaint();
        const int number = selectedSequence();
        const QString appDir = context().AppDir;
        TFSoundTest *progress = m_dialogs.progress;
        const bool loaded = loadCurrentList(number, false);
        if (loaded && context().StartupSoundPending) {
            SoundSequence &list = m_sounds.ListBox1;
            SoundPlayer &player = m_sounds.player;
            progress->begin();
            for (int i = 0; i < SoundSequence::EntryCount; ++i) {
                player.FileName = list.resolved(i, appDir);
                progress->showChecked(i + 1);
                // Kept in memory only: the file is repaired when the set is
                // next chosen in the sound options.
                if (!player.open())
                    list.setEntry(i, SoundSequence::DefaultEntry);
                player.close();
            }
            progress->close();
            startWindow->repaint();
        }
        if (!loaded) {
            progress->close();
            settings.Bouton = qint8(number);
            resetToDefaults(number, u"This sequence has been reset to sound defaults."_s);
            startWindow->repaint();
        }
    }
    context().StartupSoundPending = true;
}

void TFSound::FormShow()
{
    CaptionedDialog::FormShow();
    RadioGroup1->setTitle(text(u"vGroupBoxCaption"_s));
    BitBtn8->setText(text(u"vListenCaptionBtn"_s));
    BitBtn3->setText(text(u"vEditCaptionBtn"_s));
    Label1->setText(text(u"vNoSoundCaptionLbl"_s));
    ControlNames::name(PB, text(u"vCheckProgressHint"_s));
    ScreenCentre::place(this);
    FormActivate();
}

void TFSound::FormActivate()
{
    // Without the titles file the list keeps the titles it has.
    const QString path = SoundTitles::choicesPath(context().AppDir);
    if (const auto loaded = SoundTitles::loadChoices(path, m_choices)) {
        m_choices = *loaded;
        setChoiceTexts();
    }
    selectSequence(context().settings.Bouton);
    const bool soundOn = selectedSequence() != 0;
    BitBtn8->setEnabled(soundOn);
    BitBtn3->setEnabled(soundOn);
    emit soundSwitched(soundOn);
    Label1->setVisible(!soundOn);
}

void TFSound::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    CaptionedDialog::keyPressEvent(event);
}

void TFSound::reject()
{
    BitBtn1Click();
}

void TFSound::RadioGroup1Click(int index)
{
    if (index != 0) {
        CheckSequence(index);
        return;
    }
    BitBtn8->setEnabled(false);
    BitBtn3->setEnabled(false);
    BitBtn1->setEnabled(true);
    Label1->show();
}

void TFSound::BitBtn8Click()
{
    closePlayers();
    const int number = context().settings.Bouton;
    if (!loadCurrentList(number, true))
        return;
    const QList<QWidget *> controls{BitBtn8, BitBtn3, RadioGroup1, BitBtn1};
    for (QWidget *control : controls)
        control->setEnabled(false);
    showProgress(u"Playing..."_s);
    const QString appDir = context().AppDir;
    for (int i = 0; i < SoundSequence::EntryCount; ++i) {
        closePlayers();
        // A sound that can't be played is passed over in silence.
        m_sounds.player.playFileToEnd(m_sounds.ListBox1.resolved(i, appDir));
        PB->setValue(i + 1);
        PB->repaint();
    }
    m_sounds.player.close();
    for (QWidget *control : controls)
        control->setEnabled(true);
    hideProgress();
}

void TFSound::BitBtn3Click()
{
    closePlayers();
    const int number = context().settings.Bouton;
    if (!loadCurrentList(number, true))
        m_sounds.ListBox1 = SoundSequence::defaults();
    if (m_dialogs.editor)
        m_dialogs.editor->exec();
}

void TFSound::BitBtn1Click()
{
    AppSettings &settings = context().settings;
    settings.Bouton = qint8(selectedSequence());
    // The picture follows the pupil's choice, even when the device is missing.
    const bool soundOn = settings.Bouton != 0;
    if (soundOn)
        TestAudio();
    emit soundSwitched(soundOn);
    if (settings.Bouton != 0)
        loadCurrentList(settings.Bouton, true);
    accept();
}
