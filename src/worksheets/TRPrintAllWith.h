#pragma once

#include "TablesPage.h"

// The twelve tables with their answers.
class TRPrintAllWith : public TablesPage
{
public:
    TRPrintAllWith();
};
