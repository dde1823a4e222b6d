#include "TRPrintAllWith.h"

using namespace Qt::StringLiterals;

TRPrintAllWith::TRPrintAllWith()
{
    setWindowTitle(u"Numerillo - tables with answers"_s);
}
