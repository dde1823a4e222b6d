#include "TRPrintAllWith.h"

TRPrintAllWith::TRPrintAllWith()
{
    setWindowTitle(QStringLiteral("Numerillo - tables with answers"));
}
