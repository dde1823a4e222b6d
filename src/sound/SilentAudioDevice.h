#pragma once

#include "AudioDevice.h"

// The device of a program that was given none: it accepts every file, has
// one output and sounds nothing. Tests of other windows run on it, quietly
// and without waiting for any sound.
class SilentAudioDevice : public AudioDevice
{
public:
    std::unique_ptr<AudioClip> open(const QString &path, QString &errorText) override;
    int outputDeviceCount() override;
};
