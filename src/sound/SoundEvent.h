#pragma once

// The moments of the program that can sound a file, numbered as in the
// sound sets: entry number minus one is the event's line in a set.
enum class SoundEvent {
    EnterProgram = 1,
    StartDrill,
    RightAnswer,
    WrongAnswer,
    LateRightAnswer,
    LateWrongAnswer,
    TimeUpNoAnswer,
    QuitProgram,
};
