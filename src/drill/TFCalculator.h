#pragma once

#include "CaptionedDialog.h"
#include "GradientSpec.h"

class QComboBox;
class QPushButton;
class TGradient;

// The drill window: one operation at a time from the chosen tables.
class TFCalculator : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TFCalculator(WindowSet &windows);

    // The start window hands over its background before every drill.
    void takeBackground(const GradientSpec &spec);

    // The selected operator, -1 while none is selected.
    int operatorIndex() const;

    // The keyboard focus goes back to where the pupil answers.
    void restoreFocus();

    // The sound button shows a loudspeaker with waves while a sound set is on.
    void showSoundPicture(bool soundOn);

    TGradient *Gradient1;
    QComboBox *OpSel;
    QPushButton *BitBtn8;
};
