#pragma once

#include <QLocale>
#include <QString>

namespace LanguageCode {

inline constexpr qsizetype MaxLength = 8;

// A code names files of the sys folder: at most 8 letters, digits, "-" and
// "_", so that it can't reach outside the folder.
bool isValid(const QString &code);

// The stored code, or the system's language when none is stored or the
// stored text is not a code: French systems start in French, all others in
// English.
QString atStartup(const QString &stored, QLocale::Language systemLanguage);

// The files of a language are found without regard to letter case.
QString languageFilePath(const QString &appDir, const QString &code);
QString helpPagePath(const QString &appDir, const QString &code);

} // namespace LanguageCode
