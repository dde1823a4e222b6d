#pragma once

#include "PrintOutput.h"

// Print preview and printing through Qt's print support; lives in the
// printing module.
class PrinterOutput : public PrintOutput
{
public:
    bool preview(const PrintJob &job, bool modal, QString &errorText) override;
    Result print(const PrintJob &job, QString &errorText) override;
};
