#include "TAfterRecordDlg.h"

TAfterRecordDlg::TAfterRecordDlg(WindowSet &windows)
    : CaptionedDialog(windows, QStringLiteral("AfterRecordDlg"), QStringLiteral("vAfterRecordDlgCaption"))
{
    LoadCaptions();
}
