#include "SystemLinks.h"

#include <QDesktopServices>

namespace {

SystemLinks::Handler &handler()
{
    static SystemLinks::Handler current;
    return current;
}

} // namespace

namespace SystemLinks {

void open(const QUrl &address)
{
    if (handler())
        handler()(address);
    else
        QDesktopServices::openUrl(address);
}

void setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace SystemLinks
