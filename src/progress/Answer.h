#pragma once

#include "Fact.h"
#include "Verdict.h"

#include <QDate>
#include <QString>
#include <QTime>

// One judged answer of the drill, as the history keeps it.
struct Answer
{
    QDate date;
    QTime time; // to the second
    Fact fact;
    QString given; // the digits in the answer box; empty when none were typed
    Verdict verdict = Verdict::Right;
    int milliseconds = 0; // from the question shown to the judgement

    friend bool operator==(const Answer &, const Answer &) = default;
};
