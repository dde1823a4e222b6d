#include "TFSound.h"

TFSound::TFSound(WindowSet &windows)
    : CaptionedDialog(windows, QStringLiteral("FSound"), QStringLiteral("vFSoundCaption"))
{
    LoadCaptions();
}

void TFSound::startWindowShowStep() {}

void TFSound::startWindowActivationStep() {}

bool TFSound::playToEnd(SoundEvent)
{
    return true;
}

void TFSound::MakeSound(SoundEvent) {}
