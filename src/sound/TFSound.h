#pragma once

#include "CaptionedDialog.h"
#include "SoundEvent.h"

// The sound options: Silence or one of five sound sets, and the sounds of
// the program's events.
class TFSound : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TFSound(WindowSet &windows);

    // The start window's sound duties when it is shown and activated.
    void startWindowShowStep();
    void startWindowActivationStep();

    // Plays an event of the current set to its end; false when it failed.
    bool playToEnd(SoundEvent event);

    void MakeSound(SoundEvent event);
};
