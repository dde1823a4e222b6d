#pragma once

#include <QStringList>

namespace MultiplicatorRange {

// The multiplicators that operations may use: from the smallest one (brought
// into 1 to 12) to 12, as ascending decimal texts.
QStringList from(int smallest);

} // namespace MultiplicatorRange
