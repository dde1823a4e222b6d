#include "TFColor.h"

TFColor::TFColor(WindowSet &windows)
    : CaptionedDialog(windows, QStringLiteral("FColor"), QStringLiteral("vFcolorCaption"))
{
    LoadCaptions();
}
