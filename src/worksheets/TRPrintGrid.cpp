#include "TRPrintGrid.h"

using namespace Qt::StringLiterals;

TRPrintGrid::TRPrintGrid()
{
    setWindowTitle(u"Numerillo - multiplication grid"_s);
}
