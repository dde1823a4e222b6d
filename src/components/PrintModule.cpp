// The entry of the printing module: the program loads it the first time it
// previews or prints and asks it for its output.
#include "PrinterOutput.h"

extern "C" Q_DECL_EXPORT PrintOutput *numerillo_create_print_output()
{
    return new PrinterOutput;
}
