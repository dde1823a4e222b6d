#include "TRPrintRandom.h"

TRPrintRandom::TRPrintRandom()
{
    setWindowTitle(QStringLiteral("Numerillo - random operations"));
}
