#include "TFSoundTest.h"

TFSoundTest::TFSoundTest(WindowSet &)
{
    setWindowTitle(QStringLiteral("Testing..."));
}
