#pragma once

#include "AppDirFixture.h"
#include "MessageRecorder.h"
#include "WindowSet.h"

#include <memory>

// The delivered language data (data/sys, read, never written) in a fresh
// program folder, with all the windows made in one language, sound off and
// tables 3 and 7 chosen.
class DeliveredProgram
{
public:
    explicit DeliveredProgram(const QString &code);

    AppDirFixture dir;
    MessageRecorder recorder;
    std::unique_ptr<WindowSet> windows;
};
