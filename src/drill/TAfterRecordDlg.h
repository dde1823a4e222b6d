#pragma once

#include "CaptionedDialog.h"

class TAfterRecordDlg : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TAfterRecordDlg(AppContext &context);
};
