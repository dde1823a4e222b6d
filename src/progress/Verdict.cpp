#include "Verdict.h"

#include <array>

namespace {

constexpr std::array<const char *, 6> Words = {"right", "wrong", "late-right", "late-wrong",
                                               "time-up", "revealed"};

} // namespace

namespace Verdicts {

bool isRight(Verdict verdict)
{
    return verdict == Verdict::Right || verdict == Verdict::LateRight;
}

bool isJudged(Verdict verdict)
{
    return verdict != Verdict::Revealed;
}

QString word(Verdict verdict)
{
    return QString::fromLatin1(Words[size_t(verdict)]);
}

std::optional<Verdict> fromWord(QByteArrayView word)
{
    for (size_t i = 0; i < Words.size(); ++i)
        if (word == QByteArrayView(Words[i]))
            return Verdict(i);
    return std::nullopt;
}

} // namespace Verdicts
