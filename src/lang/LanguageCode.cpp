#include "LanguageCode.h"

using namespace Qt::StringLiterals;

namespace LanguageCode {

QString atStartup(const QString &stored, QLocale::Language systemLanguage)
{
    if (!stored.isEmpty())
        return stored.left(MaxLength);
    return systemLanguage == QLocale::French ? u"fr"_s : u"en"_s;
}

QString languageFilePath(const QString &appDir, const QString &code)
{
    return appDir + u"sys/"_s + code + u".lng"_s;
}

} // namespace LanguageCode
