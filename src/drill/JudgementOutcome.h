#pragma once

#include "SoundEvent.h"
#include "Verdict.h"

#include <QString>

// Owns the five ways a question can be judged: in time right or wrong, late
// right or wrong, and time up without an answer. Each gives the event that
// sounds, the language key of its comment and whether it counts an error,
// so Enter and the late judgement of the think timer judge alike.
class JudgementOutcome
{
public:
    enum Kind { Right, Wrong, LateRight, LateWrong, TimeUp };

    constexpr JudgementOutcome(Kind kind) : m_kind(kind) {}

    // The judgement of Enter: right when the answer reads as the expected value.
    static JudgementOutcome ofAnswer(const QString &answer, int expected);

    // The judgement when the think time ran out with the answer as it stands.
    static JudgementOutcome ofLateAnswer(const QString &answer, int expected);

    // The event that sounds for this judgement.
    SoundEvent event() const;

    // The key of the comment in the drill window's section of the language file.
    QString commentKey() const;

    // Whether the judgement counts an error (and is shown in red).
    bool isError() const;

    // The verdict the history of answers keeps for this judgement.
    Verdict verdict() const;

    constexpr Kind kind() const { return m_kind; }
    constexpr bool operator==(const JudgementOutcome &) const = default;

private:
    Kind m_kind;
};
