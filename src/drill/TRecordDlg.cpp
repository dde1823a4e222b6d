#include "TRecordDlg.h"

using namespace Qt::StringLiterals;

TRecordDlg::TRecordDlg(AppContext &context)
    : CaptionedDialog(context, u"RecordDlg"_s, u"vRecordDlgCaption"_s)
{
    LoadCaptions();
}
