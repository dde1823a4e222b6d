#pragma once

#include <QLocale>
#include <QString>

namespace LanguageCode {

inline constexpr qsizetype MaxLength = 8;

// The stored code, or the system's language when none is stored: French
// systems start in French, all others in English.
QString atStartup(const QString &stored, QLocale::Language systemLanguage);

QString languageFilePath(const QString &appDir, const QString &code);

} // namespace LanguageCode
