#include "HelpPages.h"

using namespace Qt::StringLiterals;

namespace HelpPages {

bool leavesThePage(const QString &target)
{
    const QString link = target.trimmed();
    for (const QString &scheme : {u"mailto:"_s, u"http:"_s, u"https:"_s}) {
        if (link.startsWith(scheme, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace HelpPages
