#pragma once

#include "CaptionedDialog.h"

class TFAudio : public CaptionedDialog
{
    Q_OBJECT

public:
    explicit TFAudio(WindowSet &windows);
};
