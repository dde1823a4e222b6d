#include "TRPrintAllWithout.h"

TRPrintAllWithout::TRPrintAllWithout(WindowSet &)
{
    setWindowTitle(QStringLiteral("Numerillo - tables without answers"));
}
