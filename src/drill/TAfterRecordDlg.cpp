#include "TAfterRecordDlg.h"

using namespace Qt::StringLiterals;

TAfterRecordDlg::TAfterRecordDlg(AppContext &context)
    : CaptionedDialog(context, u"AfterRecordDlg"_s, u"vAfterRecordDlgCaption"_s)
{
    LoadCaptions();
}
