#pragma once

#include "TablesPage.h"

// The twelve tables without their answers, for the pupil to fill in.
class TRPrintAllWithout : public TablesPage
{
public:
    TRPrintAllWithout();
};
