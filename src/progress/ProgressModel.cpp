#include "ProgressModel.h"

#include <algorithm>

namespace {

int median(QList<int> &values)
{
    if (values.isEmpty())
        return 0;
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

} // namespace

ProgressModel::ProgressModel()
    : ProgressModel({}, QDate::currentDate())
{
}

ProgressModel::ProgressModel(const QList<Answer> &answers, QDate today)
    : m_days(DailyTotals::compute(answers, today))
{
    std::array<QList<Mastery::Attempt>, Fact::Count> recent;
    std::array<QList<int>, Fact::Count> times;
    for (qsizetype i = 0; i < answers.size(); ++i) {
        const Answer &answer = answers[i];
        if (!Verdicts::isJudged(answer.verdict) || !answer.fact.isValid())
            continue;
        const int index = answer.fact.index();
        FactRecord &record = m_records[index];
        const bool right = Verdicts::isRight(answer.verdict);
        ++record.attempts;
        record.rights += right;
        record.lastAttempt = i;
        if (!right)
            record.lastError = i;
        times[index].append(answer.milliseconds);
        QList<Mastery::Attempt> &attempts = recent[index];
        if (attempts.size() == Mastery::Window)
            attempts.removeFirst();
        attempts.append({right, answer.verdict == Verdict::Right
                                    && answer.milliseconds < Mastery::FluentMilliseconds});
        ++m_answers;
        m_rights += right;
    }
    for (int index = 0; index < Fact::Count; ++index) {
        m_records[index].state = Mastery::state(recent[index]);
        m_records[index].medianMilliseconds = median(times[index]);
    }
}

int ProgressModel::accuracy() const
{
    return m_answers == 0 ? 0 : int(qRound(100.0 * m_rights / m_answers));
}

int ProgressModel::mastered() const
{
    return int(std::ranges::count(m_records, MasteryState::Mastered, &FactRecord::state));
}
