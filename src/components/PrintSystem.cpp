#include "PrintSystem.h"

#include "PrintOutput.h"

namespace {

class NoPrintOutput : public PrintOutput
{
public:
    bool preview(const PrintJob &, bool, QString &) override { return false; }
    Result print(const PrintJob &, QString &) override { return Result::NoPrinter; }
};

PrintOutput *&installed()
{
    static PrintOutput *current = nullptr;
    return current;
}

} // namespace

namespace PrintSystem {

PrintOutput &output()
{
    static NoPrintOutput none;
    return installed() ? *installed() : none;
}

void install(PrintOutput *output)
{
    installed() = output;
}

} // namespace PrintSystem
