#pragma once

#include "AudioDevice.h"

#include <QStringList>

// A recording audio device, installed while it lives. It opens the files
// that begin with "RIFF" (any other file fails, as a decoder would) and logs
// every call as "open NAME", "play NAME" (to the end), "start NAME" (in the
// background), "stop NAME" and "close NAME", NAME being the path below the
// given folder.
class FakeAudioDevice : public AudioDevice
{
public:
    explicit FakeAudioDevice(const QString &folder = QString());
    ~FakeAudioDevice() override;

    std::unique_ptr<AudioClip> open(const QString &path, QString &errorText) override;
    int outputDeviceCount() override;

    // The names played to their end, in order.
    QStringList played() const;
    // The names opened, in order.
    QStringList opened() const;

    int outputs = 1;
    QStringList log;

    // The playable sound file content.
    static QByteArray sound();

private:
    QStringList withPrefix(const QString &prefix) const;

    QString m_folder;
};
