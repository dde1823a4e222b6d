#pragma once

#include <QString>

// Which links of the help pages leave the page.
namespace HelpPages {

// Mail and web addresses go to the system's own programs; every other link
// is followed inside the help panel.
bool leavesThePage(const QString &target);

} // namespace HelpPages
