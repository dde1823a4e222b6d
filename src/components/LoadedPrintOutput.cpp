#include "LoadedPrintOutput.h"

LoadedPrintOutput::LoadedPrintOutput(const QString &modulePath)
    : m_module(modulePath)
{
}

// The output's code lives in the module, which therefore stays loaded for
// the life of the program.
LoadedPrintOutput::~LoadedPrintOutput() = default;

PrintOutput *LoadedPrintOutput::output()
{
    if (!m_tried) {
        m_tried = true;
        using Factory = PrintOutput *(*)();
        if (auto make = reinterpret_cast<Factory>(m_module.resolve(FactoryName)))
            m_output.reset(make());
    }
    return m_output.get();
}

bool LoadedPrintOutput::preview(const PrintJob &job, bool modal, QString &errorText)
{
    if (PrintOutput *real = output())
        return real->preview(job, modal, errorText);
    errorText = m_module.errorString();
    return false;
}

PrintOutput::Result LoadedPrintOutput::print(const PrintJob &job, QString &errorText)
{
    if (PrintOutput *real = output())
        return real->print(job, errorText);
    errorText = m_module.errorString();
    return Result::Failed;
}
