#include "TPrintDlg.h"

TPrintDlg::TPrintDlg(WindowSet &windows)
    : CaptionedDialog(windows, QStringLiteral("PrintDlg"), QStringLiteral("vPrintDlgCaption"))
{
    LoadCaptions();
}
