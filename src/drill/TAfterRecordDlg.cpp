#include "TAfterRecordDlg.h"

TAfterRecordDlg::TAfterRecordDlg(AppContext &context)
    : CaptionedDialog(context, QStringLiteral("AfterRecordDlg"), QStringLiteral("vAfterRecordDlgCaption"))
{
    LoadCaptions();
}
