#pragma once

#include "AudioClip.h"

#include <QString>

#include <memory>

// A media player: it is given a file name, opens it on the program's audio
// device and plays it, waiting for the end or not.
class SoundPlayer
{
public:
    QString FileName;

    // Closes a file still open first. Refuses anything but a regular file
    // (a device such as /dev/zero would never end). False with errorText().
    bool open();
    void close();
    bool isOpen() const { return m_clip != nullptr; }

    // Nothing happens while no file is open.
    void playToEnd();
    void play();
    void stop();

    // Gives the player the file, opens it, plays it to its end and closes it.
    bool playFileToEnd(const QString &path);

    QString errorText() const { return m_errorText; }

private:
    std::unique_ptr<AudioClip> m_clip;
    QString m_errorText;
};
