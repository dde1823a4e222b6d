#include "TFAudio.h"

TFAudio::TFAudio(WindowSet &windows)
    : CaptionedDialog(windows, QStringLiteral("FAudio"), QStringLiteral("vFAudioCaption"))
{
    LoadCaptions();
}
