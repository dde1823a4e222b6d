#pragma once

#include "LoadedModule.h"
#include "PrintOutput.h"

// The print output of the printing module that lies beside the executable.
// The module, and with it Qt's print support and the printer system, is
// loaded when the program first previews or prints, so that the start does
// not wait for them.
class LoadedPrintOutput : public PrintOutput
{
public:
    // The module's file name without its suffix.
    explicit LoadedPrintOutput(const QString &modulePath);

    bool preview(const PrintJob &job, bool modal, QString &errorText) override;
    Result print(const PrintJob &job, QString &errorText) override;

    // The name of the function the module exports to make its output.
    static constexpr const char *FactoryName = "numerillo_create_print_output";

private:
    LoadedModule<PrintOutput> m_output;
};
