#pragma once

#include "CaptionedDialog.h"

class TRecordDlg : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TRecordDlg(AppContext &context);
};
