#pragma once

#include "CaptionedDialog.h"
#include "ColorDialog.h"
#include "GradientSpec.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class TGradient;
class TMakeBackGround;

// The screen colour window: ready-made or designed backgrounds for the drill
// window, the keypad's and the time gauge's colours. Every change shows at
// once on the drill window; OK carries the background over to the start
// window, Cancel puts everything back as it was when the window opened.
class TFColor : public CaptionedDialog
{
    Q_OBJECT

public:
    // The window the colour window opens; one not made (in a test) is not
    // opened.
    struct Dialogs
    {
        TMakeBackGround *design = nullptr;
    };

    explicit TFColor(AppContext &context);

    void setDialogs(const Dialogs &dialogs) { m_dialogs = dialogs; }

    // Opens the window over the drill window, whose background is given.
    void adjust(const GradientSpec &drillBackground);

    void ChangeMenuColor(const TGradient *swatch);
    void Button8Click(); // solid colour
    void BitBtn2Click(); // flip
    void BitBtn3Click(); // turn
    void BitBtn5Click(); // design
    void BitBtn6Click(); // keypad colour
    void BitBtn7Click(); // gauge colour
    void BitBtn1Click(); // OK
    void BitBtn4Click(); // Cancel

signals:
    void drillBackgroundChanged(const GradientSpec &background);
    void startBackgroundChanged(const GradientSpec &background);
    void keypadColourChanged(int colour);

protected:
    void FormShow() override;
    void reject() override; // Escape cancels

private:
    QFrame *Panel1;
    std::array<TGradient *, 7> Gradients; // Gradient1 to Gradient7
    std::array<QPushButton *, 7> PresetButtons; // in the order of the swatches
    QLabel *Image1;
    QPushButton *Button8;
    QPushButton *BitBtn2;
    QPushButton *BitBtn3;
    QPushButton *BitBtn5;
    QPushButton *BitBtn7;
    QPushButton *BitBtn6;
    QPushButton *BitBtn1;
    QPushButton *BitBtn4;
    ColorDialog ColorDialog1;

    struct Snapshot
    {
        int CalcColor = 0;
        int Couleur = 0;
        GradientSpec background;
    };

    void buildSwatches();
    void buildTools();
    void setBackground(const GradientSpec &background);

    Dialogs m_dialogs;
    GradientSpec m_background; // the drill window's, as it is shown
    Snapshot m_snapshot;
};
