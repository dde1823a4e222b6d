#pragma once

#include "CaptionedDialog.h"
#include "SoundEvent.h"
#include "SoundPlayer.h"

#include <QSet>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;

// The sound options: Silence or one of five sound sets, and the sounds of
// the program's events from the chosen set. Besides its window it holds the
// sound duties of the start window: checking the chosen set and the audio
// device, and the entering, starting and quitting sounds.
class TFSound : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TFSound(WindowSet &windows);

    // The start window's sound duties when it is shown and activated.
    void startWindowShowStep();
    void startWindowActivationStep();

    // Plays an event of the current set to its end; false when it failed.
    // A failure is reported once per run, except the start button's, which
    // the start window reports itself.
    bool playToEnd(SoundEvent event);
    void MakeSound(SoundEvent event);

    // The short sound of mental mode: the program's default sound, without
    // waiting for its end; silent when it can't be played.
    void playDefaultSound();

    void TestAudio();
    void TestSoundFiles();
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

    QGroupBox *RadioGroup1;
    std::array<QRadioButton *, 6> Choices;
    QPushButton *BitBtn8;
    QPushButton *BitBtn3;
    QLabel *Label1;
    QPushButton *BitBtn1;
    QProgressBar *PB;
    QLabel *Label2;

protected:
    void FormShow() override;
    // OK is the pupil's only way out: Escape does not close the window, and
    // a close box that a window manager draws all the same does what OK does.
    void keyPressEvent(QKeyEvent *event) override;
    void reject() override;

private:
    // Silence, or no audio device given to the program.
    bool soundWorkSkipped() const;
    SoundPlayer &sharedPlayer() const;
    void closePlayers() const;
    void setChoiceTexts();
    void showProgress(const QString &status);
    void hideProgress();
    void reportOnce(const QString &message);
    bool loadCurrentList(int number, bool reportFailure);
    void saveCurrentList(int number);
    void resetToDefaults(int number, const QString &lastSentence);
    void reportPlayFailure(const QString &path);

    QButtonGroup *m_group;
    QStringList m_choices;
    SoundPlayer m_background;
    bool m_checkFailed = false;
    bool m_playFailureReported = false;
    QSet<QString> m_reported;
    QSet<int> m_resetSets;
};
