#include "AppContext.h"

#include "LanguageCode.h"

using namespace Qt::StringLiterals;

QString AppContext::programTitle()
{
    return u"Numerillo"_s;
}

QString AppContext::languageFile() const
{
    return LanguageCode::languageFilePath(AppDir, LanguageCode);
}
