#include "LoadedPrintOutput.h"

LoadedPrintOutput::LoadedPrintOutput(const QString &modulePath)
    : m_output(modulePath, FactoryName)
{
}

bool LoadedPrintOutput::preview(const PrintJob &job, bool modal, QString &errorText)
{
    if (PrintOutput *real = m_output.get())
        return real->preview(job, modal, errorText);
    errorText = m_output.errorString();
    return false;
}

PrintOutput::Result LoadedPrintOutput::print(const PrintJob &job, QString &errorText)
{
    if (PrintOutput *real = m_output.get())
        return real->print(job, errorText);
    errorText = m_output.errorString();
    return Result::Failed;
}
