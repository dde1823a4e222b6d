#pragma once

#include "CaptionedDialog.h"

class TPrintDlg : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TPrintDlg(AppContext &context);
};
