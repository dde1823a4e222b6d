#pragma once

#include "AppDirFixture.h"
#include "FakeAudioDevice.h"
#include "MessageRecorder.h"
#include "SoundSequence.h"
#include "WindowSet.h"

#include <memory>

// A program folder with five sound sets of playable files, the recording
// audio device and the program's windows over them. Set n sounds
// sounds/s<n>-<event>.wav; the titles are "Set A" to "Set E".
class SoundProgram
{
public:
    // Questions get the given answer.
    explicit SoundProgram(int bouton, bool answer = true, const QString &folderName = {});

    // Creates the windows; a test may change the folder before.
    void create();
    // The start window as the program starts: shown, then activated.
    void start();

    static QByteArray setFile(int number);
    QString sequenceLine(int number, int event) const;
    QStringList setLines(const QString &relative) const;
    QString defaultEntry() const { return SoundSequence::DefaultEntry; }
    int bouton() const;

    AppDirFixture dir;
    FakeAudioDevice device;
    MessageRecorder recorder;
    std::unique_ptr<WindowSet> windows;
};
