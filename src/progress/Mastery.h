#pragma once

#include <QList>

enum class MasteryState { NotSeen, Learning, Shaky, Known, Mastered };

// What the last attempts at one fact say of it.
namespace Mastery {

struct Attempt
{
    bool right = false;
    bool fluent = false; // right, confirmed in time and quicker than FluentMilliseconds
};

// The usual threshold for fluent recall.
inline constexpr int FluentMilliseconds = 3000;
// The attempts that decide the state.
inline constexpr int Window = 5;

// Mastered: the last three right and fluent; known: the last three right;
// shaky: one of the last five wrong; learning otherwise; not seen without any.
MasteryState state(const QList<Attempt> &attempts);

} // namespace Mastery
