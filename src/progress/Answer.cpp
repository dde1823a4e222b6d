#include "Answer.h"

#include "DrillState.h"

std::optional<Answer> Answer::judged(const DrillState &question, const QString &given, Verdict verdict,
                                     int milliseconds, const QDateTime &when)
{
    if (question.Sign.isEmpty())
        return std::nullopt;
    const auto fact = Fact::fromShown(question.FirstText.toInt(), question.Sign.at(0),
                                      question.SecondText.toInt());
    if (!fact)
        return std::nullopt;
    const QTime time = when.time();
    return Answer{when.date(), QTime(time.hour(), time.minute(), time.second()), *fact, given,
                  verdict, milliseconds};
}
