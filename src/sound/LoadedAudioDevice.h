#pragma once

#include "AudioDevice.h"
#include "LoadedModule.h"

// The sound output of the audio module that lies beside the executable. The
// module, and with it the sound libraries, is loaded on first use, so that a
// start without sound does not wait for them. Without the module the machine
// has no output device and no file opens.
class LoadedAudioDevice : public AudioDevice
{
public:
    // The module's file name without its suffix.
    explicit LoadedAudioDevice(const QString &modulePath);

    std::unique_ptr<AudioClip> open(const QString &path, QString &errorText) override;
    int outputDeviceCount() override;

    // The name of the function the module exports to make its device.
    static constexpr const char *FactoryName = "numerillo_create_audio_device";

private:
    LoadedModule<AudioDevice> m_device;
};
