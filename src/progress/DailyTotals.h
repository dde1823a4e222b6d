#pragma once

#include "Answer.h"

#include <QDate>
#include <QList>

struct DayTotal
{
    QDate date;
    int answers = 0; // judged answers
    int rights = 0;
};

// Answers and right answers per day over the last eight weeks.
namespace DailyTotals {

inline constexpr int Days = 56;

// One total per day, the oldest first and `today` last; answers of other
// days (future dates included) are left out.
QList<DayTotal> compute(const QList<Answer> &answers, QDate today);

} // namespace DailyTotals
