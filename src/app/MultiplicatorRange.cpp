#include "MultiplicatorRange.h"

#include <algorithm>

namespace MultiplicatorRange {

QStringList from(int smallest)
{
    QStringList multiplicators;
    for (int multiplicator = std::clamp(smallest, 1, 12); multiplicator <= 12; ++multiplicator)
        multiplicators << QString::number(multiplicator);
    return multiplicators;
}

} // namespace MultiplicatorRange
