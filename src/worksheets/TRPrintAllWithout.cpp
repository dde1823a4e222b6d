#include "TRPrintAllWithout.h"

using namespace Qt::StringLiterals;

TRPrintAllWithout::TRPrintAllWithout()
{
    setWindowTitle(u"Numerillo - tables without answers"_s);
}
