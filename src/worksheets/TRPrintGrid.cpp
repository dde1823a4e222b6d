#include "TRPrintGrid.h"

TRPrintGrid::TRPrintGrid(WindowSet &)
{
    setWindowTitle(QStringLiteral("Numerillo - multiplication grid"));
}
