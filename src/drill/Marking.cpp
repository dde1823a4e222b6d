#include "Marking.h"

#include <cmath>

namespace Marking {

double mark(int errorCount, int operationCount)
{
    if (operationCount <= 0)
        return 10.0;
    return 10.0 - (errorCount * 10.0) / operationCount;
}

QString markText(double mark, const QLocale &locale)
{
    // std::round takes halves away from zero; the formatting then only has
    // to write a value that is already on a tenth.
    const double tenths = std::round(mark * 10.0);
    const QString oneDecimal = locale.toString(tenths / 10.0, 'f', 1);
    if ((oneDecimal.size() > 2 && oneDecimal.at(2) == u'0') || tenths > 99.0)
        return locale.toString(std::round(mark), 'f', 0);
    return oneDecimal;
}

void CalcMark(DrillState &state, const QLocale &locale)
{
    state.Mark = mark(state.ErrorCount, state.OperationCount);
    state.MarkText = markText(state.Mark, locale);
}

} // namespace Marking
