#pragma once

#include "Fact.h"
#include "Verdict.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

struct DrillState;

// One judged answer of the drill, as the history keeps it.
struct Answer
{
    QDate date;
    QTime time; // to the second
    Fact fact;
    QString given; // the digits in the answer box; empty when none were typed
    Verdict verdict = Verdict::Right;
    int milliseconds = 0; // from the question shown to the judgement

    // The judgement of the question on screen, as the drill reports it; none
    // for a question outside the tables 1 to 12.
    static std::optional<Answer> judged(const DrillState &question, const QString &given,
                                        Verdict verdict, int milliseconds,
                                        const QDateTime &when = QDateTime::currentDateTime());

    friend bool operator==(const Answer &, const Answer &) = default;
};
