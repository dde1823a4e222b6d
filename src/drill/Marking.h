#pragma once

#include "DrillState.h"

#include <QLocale>
#include <QString>

// The mark out of 10 and the way it is written.
namespace Marking {

// 10 less ten times the share of errors; a count of 0 operations gives 10.
double mark(int errorCount, int operationCount);

// One decimal, rounded half away from zero, with the locale's separator; the
// decimal is dropped when it is 0 or when the mark rounds above 9.9.
QString markText(double mark, const QLocale &locale);

// Mark and MarkText from the counters.
void CalcMark(DrillState &state, const QLocale &locale);

} // namespace Marking
