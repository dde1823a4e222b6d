#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// How the drill judged one answer. A reveal of mental mode shows the answer
// without judging one: it is kept in the history but tells nothing about
// what the pupil knows.
enum class Verdict { Right, Wrong, LateRight, LateWrong, TimeUp, Revealed };

namespace Verdicts {

// A right value, confirmed in time or not.
bool isRight(Verdict verdict);
bool isJudged(Verdict verdict);

// The word of the history file: "right", "late-wrong", ...
QString word(Verdict verdict);
std::optional<Verdict> fromWord(QByteArrayView word);

} // namespace Verdicts
