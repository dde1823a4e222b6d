#include "LanguageCode.h"

#include "PathNames.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace LanguageCode {

bool isValid(const QString &code)
{
    return !code.isEmpty() && code.size() <= MaxLength
           && std::all_of(code.begin(), code.end(), [](QChar c) {
                  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
                         || c == u'-' || c == u'_';
              });
}

QString atStartup(const QString &stored, QLocale::Language systemLanguage)
{
    if (isValid(stored))
        return stored;
    return systemLanguage == QLocale::French ? u"fr"_s : u"en"_s;
}

QString languageFilePath(const QString &appDir, const QString &code)
{
    return PathNames::findIgnoringCase(appDir + u"sys/"_s + code + u".lng"_s);
}

QString helpPagePath(const QString &appDir, const QString &code)
{
    return PathNames::findIgnoringCase(appDir + u"sys/"_s + code + u"-help.html"_s);
}

} // namespace LanguageCode
