#include "Random.h"

#include <QDateTime>

#include <random>

namespace {

std::mt19937 &generator()
{
    static std::mt19937 engine;
    return engine;
}

} // namespace

namespace Random {

void seed(quint32 value)
{
    generator().seed(value);
}

void seedFromClock()
{
    seed(quint32(QDateTime::currentMSecsSinceEpoch()));
}

int below(int n)
{
    if (n < 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(generator());
}

} // namespace Random
