#pragma once

#include "CaptionedDialog.h"
#include "GradientSpec.h"
#include "SoundEvent.h"

#include <QIcon>

#include <array>

class HelpPanel;
class IntervalTimer;
class LinkLabel;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QToolButton;
class TGradient;

// The drill window: poses one operation at a time from the chosen tables,
// takes the answer from the keypad or the keyboard, judges it and keeps the
// counters and the mark.
class TFCalculator : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TFCalculator(WindowSet &windows);

    // Reads the texts and puts those of the fixed captions on their controls
    // at once.
    void LoadCaptions() override;

    // The start window hands over its background before every drill.
    void takeBackground(const GradientSpec &spec);

    // The selected operator, -1 while none is selected.
    int operatorIndex() const;

    // The keyboard focus goes back to where the pupil answers.
    void restoreFocus();

    // The keypad panel takes a new colour.
    void setKeypadColour(int colour);

    // The sound button shows a loudspeaker with waves while a sound set is on.
    void showSoundPicture(bool soundOn);

    // Poses the next question.
    void FormActivate();

    void BitBtn1Click();  // back
    void BitBtn2Click();  // Enter
    void BitBtn3Click();  // reset
    void BitBtn6Click();  // expert options
    void BitBtn8Click();  // sound options
    void BitBtn10Click(); // screen colours
    void BitBtn9Click();  // help
    void BitBtn4Click();  // closes the help
    void BitBtn11Click(); // clear
    void AnsChange(const QString &answer);
    void SpeedButton1Click(QChar digit);
    void SpeedButton11Click(); // answer help
    void Label26Click();
    void Label27Click();
    void ShowCalcString(SoundEvent event, const QString &comment);
    void CalcMark();

    // Top bar.
    QFrame *Panel8;
    QFrame *Panel16;
    QFrame *Panel17;
    QFrame *Panel18;
    QComboBox *OpSel;
    QPushButton *BitBtn1;
    QPushButton *BitBtn6;
    QPushButton *BitBtn8;
    QPushButton *BitBtn10;
    QPushButton *BitBtn9;

    // Main area and its central block.
    QWidget *Panel12;
    TGradient *Gradient1;
    QFrame *Panel5;

    // Keypad panel.
    QFrame *Panel1;
    QFrame *Panel13;
    QWidget *Panel3;
    QLabel *F1;
    QLabel *Label2;
    QLabel *F2;
    QLineEdit *Ans;
    std::array<QToolButton *, 10> SpeedButtons; // SpeedButton1 to SpeedButton10
    QPushButton *BitBtn2;
    QPushButton *BitBtn11;
    QPushButton *BitBtn7;
    QToolButton *SpeedButton11;
    QPushButton *Button1;

    // Mental-mode panel.
    QFrame *Panel9;
    QLabel *Image2;
    QLabel *Label17;
    QLabel *Label25;
    QLabel *Image5;
    LinkLabel *Label26;

    QProgressBar *Gauge1;

    // Result panel.
    QFrame *Panel6;
    QFrame *Panel4;
    QFrame *Panel2;
    QLabel *Label13;
    QLabel *Label6;
    QLabel *Label12;
    QLabel *Label24;
    QLabel *Label7;
    QLabel *Label8;
    QLabel *Label9;
    QLabel *Label10;
    QLabel *Label22;
    QLabel *Label11;
    QPushButton *BitBtn3;
    QPushButton *BitBtn12;

    // Help texts panel.
    QFrame *Panel10;
    QFrame *Panel11;
    QLabel *Label16;
    QLabel *Label18;
    QLabel *Label19;
    QLabel *Image4;
    QLabel *Image6;
    LinkLabel *Label27;

    // Chronometer options panel.
    QFrame *Panel7;
    QGroupBox *GroupBox1;
    QSpinBox *SpinEdit1;
    QGroupBox *RadioGroup1;
    std::array<QRadioButton *, 2> RadioGroup1Items;
    QGroupBox *RadioGroup2;
    std::array<QRadioButton *, 2> RadioGroup2Items;
    QGroupBox *GroupBox2;
    QSlider *TrackBar2;

    HelpPanel *Panel14;

    // Never seen.
    QSlider *TrackBar1;
    QPlainTextEdit *Memo1;
    IntervalTimer *Timer1;
    IntervalTimer *Timer2;
    IntervalTimer *Timer3;

protected:
    void FormShow() override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void done(int result) override;

private:
    void buildTopBar();
    void buildKeypad();
    void buildMentalPanel();
    void buildResultPanel();
    void buildHelpTexts();
    void buildChronoOptions();
    void buildHelpPanel();
    void buildHiddenControls();
    void loadOperators();
    void FormClose();
    void stopChronometer();
    void enableTopBar(bool enabled);
    void FormResize();
    void colourTopBar(int colour);
    void setResultColour(int colour);
    void showMarkLine();
    void applyHideTextLeft();
    void applyHideTextRight();
    void activateOnce();
    QPixmap picture(const QString &relative) const;
    void loadTextures();

    QIcon m_soundOn;
    QIcon m_soundOff;
    int m_resultColour = 0;
    bool m_showing = false;
    bool m_texturesLoaded = false;
};
