#include "HistorySaving.h"

#include "History.h"
#include "Messages.h"

namespace HistorySaving {

bool save(History &history)
{
    QString failure;
    if (history.save(&failure))
        return true;
    Messages::show(failure);
    return false;
}

} // namespace HistorySaving
