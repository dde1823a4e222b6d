#pragma once

#include "AudioClip.h"

#include <QString>

#include <memory>

// The machine's sound output.
class AudioDevice
{
public:
    virtual ~AudioDevice() = default;

    // Opens and checks the file at once; on failure no clip and the
    // library's own error text.
    virtual std::unique_ptr<AudioClip> open(const QString &path, QString &errorText) = 0;

    virtual int outputDeviceCount() = 0;
};
