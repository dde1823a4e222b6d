#include "TRPrintAllWithout.h"

namespace {

TablesPage::Layout layout()
{
    TablesPage::Layout l;
    l.answers = false;
    l.titleTop = 12.4;
    l.commentTop = 19.0;
    l.dateTextLeft = 131.7;
    l.dateTop = 12.9;
    l.dateLeft = 175.9;
    l.addressLeft = 131.7;
    l.rowTops = {29.6, 109.0, 188.4};
    l.blockLefts = {{{20.4, 70.9, 119.6, 169.9}, {20.4, 70.9, 120.4, 170.7}, {20.4, 70.1, 120.4, 170.7}}};
    return l;
}

} // namespace

TRPrintAllWithout::TRPrintAllWithout()
    : TablesPage(layout())
{
}
