#include "Marking.h"

#include <algorithm>

namespace Marking {

double mark(int errorCount, int operationCount)
{
    if (operationCount <= 0)
        return 10.0;
    return 10.0 - (errorCount * 10.0) / operationCount;
}

int markTenths(int errorCount, int operationCount)
{
    if (operationCount <= 0)
        return 100;
    // 100 (N - E) / N tenths; adding half of N before dividing rounds a half
    // up, which is away from zero for the marks of 0 to 10. 64 bits hold
    // every product of 32-bit counts.
    const qint64 operations = operationCount;
    const qint64 rights = operations - std::clamp<qint64>(errorCount, 0, operations);
    return int((200 * rights + operations) / (2 * operations));
}

QString markText(int tenths, const QLocale &locale)
{
    const QString whole = locale.toString(tenths / 10);
    if (tenths % 10 == 0)
        return whole;
    return whole + locale.decimalPoint() + QChar(u'0' + tenths % 10);
}

void CalcMark(DrillState &state, const QLocale &locale)
{
    state.Mark = mark(state.ErrorCount, state.OperationCount);
    state.MarkText = markText(markTenths(state.ErrorCount, state.OperationCount), locale);
}

} // namespace Marking
