#include "TRPrintAllWith.h"

TRPrintAllWith::TRPrintAllWith(WindowSet &)
{
    setWindowTitle(QStringLiteral("Numerillo - tables with answers"));
}
