#pragma once

#include <QColor>
#include <QSize>

#include <array>

class DropDownList;
class HelpPanel;
class LinkLabel;
class QDialog;
class QFont;
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
class QWidget;
class TGradient;

// The drill window's controls and their places, made once by setupUi; the
// window connects them and gives them their texts.
struct TFCalculatorUi
{
    static constexpr QSize ClientSize{746, 558};

    void setupUi(QDialog *window);
    // Places the bars and panels for a window of the given size.
    void layOut(const QSize &size);

    static void setBackground(QWidget *widget, const QColor &colour);

    // Top bar.
    QFrame *Panel8;
    QFrame *Panel16;
    QFrame *Panel17;
    QFrame *Panel18;
    DropDownList *OpSel;
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
    QLabel *BitBtn7Caption; // "Rec" or "Playing" under the camera
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
    QLabel *Image7; // the verdict beside the result line: a check mark or a cross
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

private:
    void buildTopBar();
    void buildKeypad();
    void buildMentalPanel();
    void buildResultPanel();
    void buildHelpTexts();
    void buildChronoOptions();
    void buildHelpPanel();
    void buildHiddenControls(QDialog *window);

    QFont font(int pixels, bool bold = false) const;

    QDialog *m_window = nullptr;
};
