#include "TRPrintRandom.h"

TRPrintRandom::TRPrintRandom(WindowSet &)
{
    setWindowTitle(QStringLiteral("Numerillo - random operations"));
}
