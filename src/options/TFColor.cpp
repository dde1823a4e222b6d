#include "TFColor.h"

TFColor::TFColor(AppContext &context)
    : CaptionedDialog(context, QStringLiteral("FColor"), QStringLiteral("vFcolorCaption"))
{
    LoadCaptions();
}
