#include "TMakeBackGround.h"

using namespace Qt::StringLiterals;

TMakeBackGround::TMakeBackGround(AppContext &context)
    : CaptionedDialog(context, u"MakeBackGround"_s, u"vMakeBackGroundCaption"_s)
{
    LoadCaptions();
}
