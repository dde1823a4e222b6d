#include "TRPrintAllWith.h"

namespace {

TablesPage::Layout layout()
{
    TablesPage::Layout l;
    l.answers = true;
    l.titleTop = 14.0;
    l.dateTextLeft = 124.3;
    l.dateTop = 12.1;
    l.dateLeft = 176.2;
    l.addressLeft = 132.5;
    l.rowTops = {29.1, 108.5, 187.9};
    l.blockLefts = {{{19.8, 71.4, 119.1, 169.3}, {19.8, 71.4, 120.4, 170.7}, {19.8, 70.1, 120.4, 170.7}}};
    return l;
}

} // namespace

TRPrintAllWith::TRPrintAllWith()
    : TablesPage(layout())
{
}
