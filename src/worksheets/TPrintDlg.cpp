#include "TPrintDlg.h"

using namespace Qt::StringLiterals;

TPrintDlg::TPrintDlg(AppContext &context)
    : CaptionedDialog(context, u"PrintDlg"_s, u"vPrintDlgCaption"_s)
{
    LoadCaptions();
}
