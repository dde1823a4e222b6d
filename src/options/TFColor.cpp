#include "TFColor.h"

using namespace Qt::StringLiterals;

TFColor::TFColor(AppContext &context)
    : CaptionedDialog(context, u"FColor"_s, u"vFcolorCaption"_s)
{
    LoadCaptions();
}
