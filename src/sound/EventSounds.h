#pragma once

#include "SoundEvent.h"
#include "SoundPlayer.h"
#include "SoundSequence.h"

#include <QString>

struct AppContext;

// The sounds of the program's events: the current sound set, the player
// that sounds every event (the sound set editor previews its files with it
// too) and the short sound of mental mode. Every window that makes a sound
// plays it here.
class EventSounds
{
public:
    explicit EventSounds(AppContext &context);

    // The current set: FileName becomes the file of set n and ListBox1 its
    // entries. False, and the entries unchanged, when it can't be read.
    bool loadSequence(int number);
    bool reloadSequence();

    // Silence, or no audio device given to the program.
    bool soundWorkSkipped() const;

    // Plays an event of the current set to its end; false when it failed.
    // A failure is reported once per run, except the start button's, which
    // the start window reports itself.
    bool playToEnd(SoundEvent event);
    void MakeSound(SoundEvent event);

    // The short sound of mental mode: the program's default sound, without
    // waiting for its end; silent when it can't be played.
    void playDefaultSound();

    // The current sequence list and the file it came from.
    SoundSequence ListBox1;
    QString FileName;
    SoundPlayer player;

private:
    void reportPlayFailure(const QString &path);

    AppContext &m_context;
    SoundPlayer m_background;
    bool m_playFailureReported = false;
};
