// The entry of the audio module: the program loads it on first use of sound
// and asks it for its device.
#include "PortAudioDevice.h"

extern "C" Q_DECL_EXPORT AudioDevice *numerillo_create_audio_device()
{
    return new PortAudioDevice;
}
