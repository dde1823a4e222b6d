#pragma once

#include "DrillState.h"

#include <QLocale>
#include <QString>

// The mark out of 10 and the way it is written.
namespace Marking {

// 10 less ten times the share of errors; a count of 0 operations gives 10.
double mark(int errorCount, int operationCount);

// The mark in tenths, rounded half away from zero, computed from the counts
// alone so that a half never falls to the wrong side of a double.
int markTenths(int errorCount, int operationCount);

// One decimal with the locale's separator; the decimal is dropped when it is
// 0, which is also the case for every mark that rounds above 9.9.
QString markText(int tenths, const QLocale &locale);

// Mark and MarkText from the counters.
void CalcMark(DrillState &state, const QLocale &locale);

} // namespace Marking
