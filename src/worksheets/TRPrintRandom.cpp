#include "TRPrintRandom.h"

using namespace Qt::StringLiterals;

TRPrintRandom::TRPrintRandom()
{
    setWindowTitle(u"Numerillo - random operations"_s);
}
