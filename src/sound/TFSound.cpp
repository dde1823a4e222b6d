#include "TFSound.h"

#include "AudioDevice.h"
#include "AudioSystem.h"
#include "Messages.h"
#include "PathNames.h"
#include "SoundSequence.h"
#include "SoundTitles.h"
#include "TFAudio.h"
#include "TFCalculator.h"
#include "TFSoundTest.h"
#include "TFStart.h"
#include "TMediaPlayer.h"
#include "WindowSet.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

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

TFSound::TFSound(WindowSet &windows)
    : CaptionedDialog(windows, u"FSound"_s, u"vFSoundCaption"_s)
    , RadioGroup1(new QGroupBox(this))
    , BitBtn8(new QPushButton(this))
    , BitBtn3(new QPushButton(this))
    , Label1(new QLabel(this))
    , BitBtn1(new QPushButton(this))
    , PB(new QProgressBar(this))
    , Label2(new QLabel(this))
    , m_group(new QButtonGroup(this))
    , m_choices(SoundTitles::initialChoices())
{
    makeFixedDialog();
    RadioGroup1->setObjectName(u"RadioGroup1"_s);
    BitBtn8->setObjectName(u"BitBtn8"_s);
    BitBtn3->setObjectName(u"BitBtn3"_s);
    Label1->setObjectName(u"Label1"_s);
    BitBtn1->setObjectName(u"BitBtn1"_s);
    PB->setObjectName(u"PB"_s);
    Label2->setObjectName(u"Label2"_s);

    RadioGroup1->setGeometry(10, 8, 280, 112);
    for (int i = 0; i < SoundTitles::ChoiceCount; ++i) {
        auto *choice = new QRadioButton(RadioGroup1);
        choice->setObjectName(u"Choice%1"_s.arg(i));
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
        if (checked)
            RadioGroup1Click(id);
    });
    connect(BitBtn8, &QPushButton::clicked, this, &TFSound::BitBtn8Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFSound::BitBtn3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TFSound::BitBtn1Click);
    LoadCaptions();
}

SoundPlayer &TFSound::sharedPlayer() const
{
    return m_windows.FAudio->MP2->player;
}

void TFSound::closePlayers() const
{
    m_windows.FAudio->MP2->player.close();
    m_windows.FAudio->MP3->player.close();
}

void TFSound::setChoiceTexts()
{
    for (int i = 0; i < SoundTitles::ChoiceCount; ++i)
        Choices[size_t(i)]->setText(escaped(m_choices.value(i)));
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

bool TFSound::loadCurrentList(int number, bool reportFailure) const
{
    if (m_windows.FAudio->loadSequence(number))
        return true;
    if (reportFailure)
        Messages::show(u"Cannot open file %1"_s.arg(native(m_windows.FAudio->FileName)));
    return false;
}

void TFSound::saveCurrentList(int number) const
{
    const QString path = SoundSequence::filePath(context().AppDir, number);
    if (!m_windows.FAudio->ListBox1.save(path))
        Messages::show(u"Cannot create file %1"_s.arg(native(path)));
}

// The message of a set whose files can't be found, and the set put back to
// the default sound.
void TFSound::resetToDefaults(int number, const QString &lastSentence)
{
    Messages::show(u"Problem: file(s) not found! Please edit sequence \"%1\" now.\r\n%2"_s
                       .arg(selectedTitle(), lastSentence));
    m_windows.FAudio->ListBox1 = SoundSequence::defaults(context().AppDir);
    saveCurrentList(number);
}

bool TFSound::CheckSequence(int number)
{
    BitBtn8->setEnabled(false);
    BitBtn3->setEnabled(false);
    BitBtn1->setEnabled(false);
    Label1->hide();
    const QString appDir = context().AppDir;
    SoundSequence &list = m_windows.FAudio->ListBox1;
    const bool loaded = loadCurrentList(number, true);
    if (loaded) {
        showProgress(u"Testing..."_s);
        SoundPlayer &player = sharedPlayer();
        for (int i = 0; i < SoundSequence::EntryCount; ++i) {
            player.FileName = list.resolved(i, appDir);
            if (!player.open())
                list.setEntry(i, SoundSequence::defaultEntry(appDir));
            player.close();
            PB->setValue(i + 1);
        }
        hideProgress();
    } else {
        // The unreadable file is left alone; the set sounds the default
        // sound until it is edited.
        list = SoundSequence::defaults(appDir);
    }
    context().settings.Bouton = qint8(number);
    if (loaded)
        saveCurrentList(number);
    BitBtn8->setEnabled(true);
    BitBtn3->setEnabled(true);
    BitBtn1->setEnabled(true);
    Label1->hide();
    m_checkFailed = !loaded;
    return loaded;
}

bool TFSound::soundWorkSkipped() const
{
    return context().settings.Bouton == 0 || !AudioSystem::isInstalled();
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

    TFStart *start = m_windows.FStart;
    const int number = selectedSequence();
    bool ok = loadCurrentList(number, false);
    if (ok && start->StartupSoundPending) {
        ok = sharedPlayer().playFileToEnd(
            m_windows.FAudio->ListBox1.resolved(0, context().AppDir));
        sharedPlayer().close();
        if (ok)
            start->StartupSoundPending = false;
    }
    if (!ok) {
        settings.Bouton = qint8(number);
        resetToDefaults(number, u"This sequence was reset to sound defaults."_s);
    }
}

void TFSound::startWindowActivationStep()
{
    if (soundWorkSkipped())
        return;
    TestAudio();
    if (m_windows.FStart->StartupSoundPending)
        TestSoundFiles();
}

void TFSound::TestAudio()
{
    if (AudioSystem::device().outputDeviceCount() > 0)
        return;
    m_windows.FCalculator->setSoundButtonEnabled(false);
    Messages::show(u"No audio device on this system !"_s);
    context().settings.Bouton = 0;
}

void TFSound::TestSoundFiles()
{
    QCoreApplication::processEvents();
    AppSettings &settings = context().settings;
    selectSequence(settings.Bouton);
    closePlayers();
    TFStart *start = m_windows.FStart;
    if (settings.Bouton != 0) {
        start->repaint();
        const int number = selectedSequence();
        const QString appDir = context().AppDir;
        TFSoundTest *progress = m_windows.FSoundTest;
        const bool loaded = loadCurrentList(number, false);
        if (loaded && start->StartupSoundPending) {
            SoundSequence &list = m_windows.FAudio->ListBox1;
            SoundPlayer &player = sharedPlayer();
            progress->PB1->setValue(0);
            progress->show();
            for (int i = 0; i < SoundSequence::EntryCount; ++i) {
                player.FileName = list.resolved(i, appDir);
                progress->PB1->setValue(i + 1);
                progress->repaint();
                // Kept in memory only: the file is repaired when the set is
                // next chosen in the sound options.
                if (!player.open())
                    list.setEntry(i, SoundSequence::defaultEntry(appDir));
                player.close();
            }
            progress->close();
            start->repaint();
        }
        if (!loaded) {
            progress->close();
            settings.Bouton = qint8(number);
            resetToDefaults(number, u"This sequence has been reset to sound defaults."_s);
            start->repaint();
        }
    }
    start->StartupSoundPending = true;
}

bool TFSound::playToEnd(SoundEvent event)
{
    if (soundWorkSkipped())
        return true;
    const int index = static_cast<int>(event) - 1;
    const QString path = m_windows.FAudio->ListBox1.resolved(index, context().AppDir);
    SoundPlayer &player = sharedPlayer();
    if (player.playFileToEnd(path))
        return true;
    if (event != SoundEvent::StartDrill)
        reportPlayFailure(path);
    return false;
}

void TFSound::MakeSound(SoundEvent event)
{
    playToEnd(event);
}

// One message per run; the pupil is not interrupted at every answer.
void TFSound::reportPlayFailure(const QString &path)
{
    if (m_playFailureReported)
        return;
    m_playFailureReported = true;
    Messages::show(u"Sound problem...\r\n%1\r\n%2"_s.arg(native(path), sharedPlayer().errorText()));
}

void TFSound::playDefaultSound()
{
    if (soundWorkSkipped())
        return;
    m_background.FileName = PathNames::findIgnoringCase(context().path(u"Default.wav"_s));
    if (m_background.open())
        m_background.play();
}

void TFSound::FormShow()
{
    CaptionedDialog::FormShow();
    RadioGroup1->setTitle(text(u"vGroupBoxCaption"_s));
    BitBtn8->setText(text(u"vListenCaptionBtn"_s));
    BitBtn3->setText(text(u"vEditCaptionBtn"_s));
    Label1->setText(text(u"vNoSoundCaptionLbl"_s));
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
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
    m_windows.FCalculator->showSoundPicture(soundOn);
    Label1->setVisible(!soundOn);
}

void TFSound::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    CaptionedDialog::keyPressEvent(event);
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
    TFAudio *editor = m_windows.FAudio;
    for (int i = 0; i < SoundSequence::EntryCount; ++i) {
        editor->MP3->player.close();
        // A sound that can't be played is passed over in silence.
        sharedPlayer().playFileToEnd(editor->ListBox1.resolved(i, appDir));
        PB->setValue(i + 1);
        PB->repaint();
    }
    sharedPlayer().close();
    for (QWidget *control : controls)
        control->setEnabled(true);
    hideProgress();
    sharedPlayer().FileName = editor->selectedFile();
}

void TFSound::BitBtn3Click()
{
    closePlayers();
    const int number = context().settings.Bouton;
    if (!loadCurrentList(number, true))
        m_windows.FAudio->ListBox1 = SoundSequence::defaults(context().AppDir);
    m_windows.FAudio->exec();
}

void TFSound::BitBtn1Click()
{
    AppSettings &settings = context().settings;
    settings.Bouton = qint8(selectedSequence());
    if (settings.Bouton != 0) {
        TestAudio();
        m_windows.FCalculator->showSoundPicture(true);
    } else {
        m_windows.FCalculator->showSoundPicture(false);
    }
    if (settings.Bouton != 0)
        loadCurrentList(settings.Bouton, true);
    m_windows.FCalculator->restoreFocus();
    accept();
}
