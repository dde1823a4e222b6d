#pragma once

#include "AudioDevice.h"

// The machine's sound output: libsndfile opens and decodes the files (WAV,
// MP3 and the other formats it knows), PortAudio plays them. PortAudio starts
// on first use; the sound libraries' own complaints (ALSA, JACK) are kept out
// of the terminal.
class PortAudioDevice : public AudioDevice
{
public:
    PortAudioDevice() = default;
    ~PortAudioDevice() override;

    PortAudioDevice(const PortAudioDevice &) = delete;
    PortAudioDevice &operator=(const PortAudioDevice &) = delete;

    std::unique_ptr<AudioClip> open(const QString &path, QString &errorText) override;
    int outputDeviceCount() override;

    // False when PortAudio could not start; tried once.
    bool start();

private:
    bool m_tried = false;
    bool m_started = false;
};
