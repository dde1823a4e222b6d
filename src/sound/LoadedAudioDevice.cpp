#include "LoadedAudioDevice.h"

LoadedAudioDevice::LoadedAudioDevice(const QString &modulePath)
    : m_device(modulePath, FactoryName)
{
}

std::unique_ptr<AudioClip> LoadedAudioDevice::open(const QString &path, QString &errorText)
{
    if (AudioDevice *real = m_device.get())
        return real->open(path, errorText);
    errorText = m_device.errorString();
    return nullptr;
}

int LoadedAudioDevice::outputDeviceCount()
{
    AudioDevice *real = m_device.get();
    return real ? real->outputDeviceCount() : 0;
}
