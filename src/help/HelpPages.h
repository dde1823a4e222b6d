#pragma once

#include <QString>

// Where the help pages lie and which of their links leave the page.
namespace HelpPages {

// The help page of a language: sys/<code>-help.html in the program folder.
QString pagePath(const QString &appDir, const QString &languageCode);

// Mail and web addresses go to the system's own programs; every other link
// is followed inside the help panel.
bool leavesThePage(const QString &target);

} // namespace HelpPages
