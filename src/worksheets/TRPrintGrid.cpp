#include "TRPrintGrid.h"

TRPrintGrid::TRPrintGrid()
{
    setWindowTitle(QStringLiteral("Numerillo - multiplication grid"));
}
