#pragma once

#include "CaptionedDialog.h"

#include <QSet>

#include <array>

class EventSounds;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class TFAudio;
class TFSoundTest;

// The sound options: Silence or one of five sound sets, and the sounds of
// the program's events from the chosen set. Besides its window it holds the
// sound duties of the start window: checking the chosen set and the audio
// device, and the entering sound.
class TFSound : public CaptionedDialog
{
    Q_OBJECT

public:
    // The windows the sound options open; one not made (in a test) is not
    // opened.
    struct Dialogs
    {
        TFAudio *editor = nullptr;
        TFSoundTest *progress = nullptr;
    };

    TFSound(AppContext &context, EventSounds &sounds);

    void setDialogs(const Dialogs &dialogs) { m_dialogs = dialogs; }

    // The start window's sound duties when it is shown and activated; the
    // start window is drawn again after a long check or a message.
    void startWindowShowStep();
    void startWindowActivationStep(QWidget *startWindow);

    void TestAudio();
    void TestSoundFiles(QWidget *startWindow);
    // Checks set n, replacing unplayable entries by the default sound, and
    // makes it current. False when its file could not be read.
    bool CheckSequence(int number);

    // Selects a choice as the program; a real change acts as the user's.
    void selectSequence(int number);
    int selectedSequence() const;
    QString selectedTitle() const;
    void setSelectedTitle(const QString &title);
    // Silence and the titles of the five sets, as in sys/SoundStr.txt.
    QStringList choices() const { return m_choices; }

    void FormActivate();
    void RadioGroup1Click(int index);
    void BitBtn8Click();
    void BitBtn3Click();
    void BitBtn1Click();

signals:
    // The set chosen and the titles of Silence and the five sets.
    void soundSetChosen(int number, const QStringList &titles);
    // Shown or confirmed: a sound set is on, or Silence.
    void soundSwitched(bool soundOn);
    void audioDeviceMissing();

protected:
    void FormShow() override;
    // OK is the pupil's only way out: Escape does not close the window, and
    // a close box that a window manager draws all the same does what OK does.
    void keyPressEvent(QKeyEvent *event) override;
    void reject() override;

private:
    QGroupBox *RadioGroup1;
    std::array<QRadioButton *, 6> Choices;
    QPushButton *BitBtn8;
    QPushButton *BitBtn3;
    QLabel *Label1;
    QPushButton *BitBtn1;
    QProgressBar *PB;
    QLabel *Label2;

    void closePlayers() const;
    void setChoiceTexts();
    void showProgress(const QString &status);
    void hideProgress();
    void reportOnce(const QString &message);
    bool loadCurrentList(int number, bool reportFailure);
    void saveCurrentList(int number);
    void resetToDefaults(int number, const QString &lastSentence);

    EventSounds &m_sounds;
    Dialogs m_dialogs;
    QButtonGroup *m_group;
    QStringList m_choices;
    bool m_checkFailed = false;
    QSet<QString> m_reported;
    QSet<int> m_resetSets;
};
