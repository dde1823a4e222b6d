#include "DailyTotals.h"

namespace DailyTotals {

QList<DayTotal> compute(const QList<Answer> &answers, QDate today)
{
    QList<DayTotal> days(Days);
    const QDate first = today.addDays(1 - Days);
    for (int i = 0; i < Days; ++i)
        days[i].date = first.addDays(i);
    for (const Answer &answer : answers) {
        const qint64 day = first.daysTo(answer.date);
        if (day < 0 || day >= Days || !Verdicts::isJudged(answer.verdict))
            continue;
        ++days[day].answers;
        days[day].rights += Verdicts::isRight(answer.verdict);
    }
    return days;
}

} // namespace DailyTotals
