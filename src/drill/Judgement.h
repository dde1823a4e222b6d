#pragma once

#include "DrillState.h"

#include <QString>

#include <optional>

// Reading and showing a judged answer.
namespace Judgement {

// The answer as a 32-bit whole number (leading zeros allowed); none for a
// text that is empty, not a number or too long to be one.
std::optional<qint32> answerValue(const QString &answer);

// A text that is not a number is a wrong answer.
bool isRight(const QString &answer, int expected);

// The comment of a judgement: the language text cut to its first 20
// characters, "xxxxx" when that leaves nothing.
QString comment(const QString &languageText);

// The judged operation with its right answer, e.g. "21 : 7 = 3".
QString resultLine(const DrillState &state);

inline constexpr int CommentLength = 20;

} // namespace Judgement
