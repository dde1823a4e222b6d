#include "TRecordDlg.h"

TRecordDlg::TRecordDlg(WindowSet &windows)
    : CaptionedDialog(windows, QStringLiteral("RecordDlg"), QStringLiteral("vRecordDlgCaption"))
{
    LoadCaptions();
}
