#pragma once

// A sound file opened on the audio device, ready to be played. Destroying it
// stops the sound and closes the file.
class AudioClip
{
public:
    virtual ~AudioClip() = default;

    // Both play from the beginning: the first returns when the sound has
    // ended, the second at once.
    virtual void playToEnd() = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
};
