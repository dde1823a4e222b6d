#include "AudioSystem.h"

#include "SilentAudioDevice.h"

namespace {

AudioDevice *&installed()
{
    static AudioDevice *current = nullptr;
    return current;
}

} // namespace

namespace AudioSystem {

AudioDevice &device()
{
    static SilentAudioDevice silent;
    return installed() ? *installed() : silent;
}

void install(AudioDevice *device)
{
    installed() = device;
}

bool isInstalled()
{
    return installed() != nullptr;
}

} // namespace AudioSystem
