#include "Mastery.h"

#include <algorithm>

namespace Mastery {

MasteryState state(const QList<Attempt> &attempts)
{
    if (attempts.isEmpty())
        return MasteryState::NotSeen;
    const auto lastFive = attempts.last(std::min<qsizetype>(Window, attempts.size()));
    const auto lastThree = attempts.last(std::min<qsizetype>(3, attempts.size()));
    const bool threeTries = lastThree.size() == 3;
    if (threeTries && std::ranges::all_of(lastThree, &Attempt::fluent))
        return MasteryState::Mastered;
    if (threeTries && std::ranges::all_of(lastThree, &Attempt::right))
        return MasteryState::Known;
    if (!std::ranges::all_of(lastFive, &Attempt::right))
        return MasteryState::Shaky;
    return MasteryState::Learning;
}

} // namespace Mastery
