#pragma once

#include "CaptionedDialog.h"

class TMakeBackGround : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TMakeBackGround(AppContext &context);
};
