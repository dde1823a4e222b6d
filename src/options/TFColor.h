#pragma once

#include "CaptionedDialog.h"

class TFColor : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TFColor(AppContext &context);
};
