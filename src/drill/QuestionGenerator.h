#pragma once

#include "DrillState.h"
#include "OperatorKind.h"

#include <QStringList>

// Poses the drill's questions into DrillState, drawing from the program's
// one random generator in a fixed order: the sign (Random only), the
// multiplicator (one or more draws), the table, the crossing (only when it
// applies).
namespace QuestionGenerator {

using namespace Qt::StringLiterals;

// The multiplication sign; the division sign depends on the language.
inline const QString Times = u"x"_s;

struct Request
{
    OperatorKind kind = OperatorKind::Multiply;
    QString divisionSign;
    QStringList range;  // the usable multiplicators, decimal texts
    QStringList tables; // the chosen tables, decimal texts
    bool inversion = false; // the expert option that crosses the factors
};

// The sign of the next question, from the operator and the previous sign.
void chooseSign(DrillState &state, const Request &request);

// Draws the factors for the sign already chosen, makes the division form and
// crosses the factors when that applies. Entries that are not whole numbers
// from 1 to 12 are passed over; a list without any usable entry counts as 1.
void drawFactors(DrillState &state, const Request &request);

// The right answer of the two numbers on screen: their product under "x",
// otherwise the first divided by the second (0 for a division by zero).
qint64 screenAnswer(const QString &first, const QString &second, const QString &sign);

} // namespace QuestionGenerator
