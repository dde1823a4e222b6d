#include "LoadedAudioDevice.h"

LoadedAudioDevice::LoadedAudioDevice(const QString &modulePath)
    : m_module(modulePath)
{
}

// The device's code lives in the module, which therefore stays loaded for
// the life of the program.
LoadedAudioDevice::~LoadedAudioDevice() = default;

AudioDevice *LoadedAudioDevice::device()
{
    if (!m_tried) {
        m_tried = true;
        using Factory = AudioDevice *(*)();
        if (auto make = reinterpret_cast<Factory>(m_module.resolve(FactoryName)))
            m_device.reset(make());
    }
    return m_device.get();
}

std::unique_ptr<AudioClip> LoadedAudioDevice::open(const QString &path, QString &errorText)
{
    if (AudioDevice *real = device())
        return real->open(path, errorText);
    errorText = m_module.errorString();
    return nullptr;
}

int LoadedAudioDevice::outputDeviceCount()
{
    AudioDevice *real = device();
    return real ? real->outputDeviceCount() : 0;
}
