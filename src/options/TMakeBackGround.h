#pragma once

#include "CaptionedDialog.h"
#include "ColorDialog.h"
#include "GradientSpec.h"

class QCheckBox;
class QPushButton;

// The background window: the drill window's background designed colour by
// colour, with or without a middle colour. Every change shows at once.
class TMakeBackGround : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TMakeBackGround(AppContext &context);

    // Opens the window on the given background and returns it as designed.
    GradientSpec design(const GradientSpec &background);

    void BitBtn1Click(); // start colour
    void BitBtn2Click(); // middle colour
    void BitBtn3Click(); // end colour
    void CheckBox1Click();

signals:
    void backgroundChanged(const GradientSpec &background);

protected:
    void FormShow() override;

private:
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    QPushButton *BitBtn3;
    QCheckBox *CheckBox1;
    QPushButton *BitBtn4;
    ColorDialog CD1;

    void chooseColor(int GradientSpec::*color);
    void applyDoubleGradient();

    GradientSpec m_background;
};
