#include "TMakeBackGround.h"

TMakeBackGround::TMakeBackGround(AppContext &context)
    : CaptionedDialog(context, QStringLiteral("MakeBackGround"), QStringLiteral("vMakeBackGroundCaption"))
{
    LoadCaptions();
}
