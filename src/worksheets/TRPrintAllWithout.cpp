#include "TRPrintAllWithout.h"

TRPrintAllWithout::TRPrintAllWithout()
{
    setWindowTitle(QStringLiteral("Numerillo - tables without answers"));
}
