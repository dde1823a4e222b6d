#include "TRecordDlg.h"

TRecordDlg::TRecordDlg(AppContext &context)
    : CaptionedDialog(context, QStringLiteral("RecordDlg"), QStringLiteral("vRecordDlgCaption"))
{
    LoadCaptions();
}
