#include "TPrintDlg.h"

TPrintDlg::TPrintDlg(AppContext &context)
    : CaptionedDialog(context, QStringLiteral("PrintDlg"), QStringLiteral("vPrintDlgCaption"))
{
    LoadCaptions();
}
