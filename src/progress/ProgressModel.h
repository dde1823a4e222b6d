#pragma once

#include "Answer.h"
#include "DailyTotals.h"
#include "Mastery.h"

#include <QDate>
#include <QList>

#include <array>

// What the history says of one fact.
struct FactRecord
{
    int attempts = 0; // judged answers
    int rights = 0;
    int medianMilliseconds = 0;
    MasteryState state = MasteryState::NotSeen;
    // Positions in the history, -1 for none: the later, the more recent.
    qsizetype lastError = -1;
    qsizetype lastAttempt = -1;
};

// Everything the progress window shows, computed once from the history.
class ProgressModel
{
public:
    ProgressModel();
    ProgressModel(const QList<Answer> &answers, QDate today);

    const FactRecord &record(const Fact &fact) const { return m_records[fact.index()]; }

    int answers() const { return m_answers; }
    int rights() const { return m_rights; }
    // Right answers in percent, 0 without answers.
    int accuracy() const;
    int mastered() const;

    const QList<DayTotal> &days() const { return m_days; }

private:
    std::array<FactRecord, Fact::Count> m_records;
    int m_answers = 0;
    int m_rights = 0;
    QList<DayTotal> m_days;
};
