#include "HistorySaving.h"

#include "History.h"
#include "Messages.h"

#include <QDir>

namespace HistorySaving {

bool save(History &history)
{
    if (history.save())
        return true;
    Messages::show(QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(history.file())));
    return false;
}

} // namespace HistorySaving
