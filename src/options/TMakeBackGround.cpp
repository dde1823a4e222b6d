#include "TMakeBackGround.h"

TMakeBackGround::TMakeBackGround(WindowSet &windows)
    : CaptionedDialog(windows, QStringLiteral("MakeBackGround"), QStringLiteral("vMakeBackGroundCaption"))
{
    LoadCaptions();
}
