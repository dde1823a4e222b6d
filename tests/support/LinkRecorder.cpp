#include "LinkRecorder.h"

#include "SystemLinks.h"

LinkRecorder::LinkRecorder()
{
    SystemLinks::setHandler([this](const QUrl &address) { opened << address; });
}

LinkRecorder::~LinkRecorder()
{
    SystemLinks::setHandler({});
}
