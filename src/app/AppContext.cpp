#include "AppContext.h"

#include "LanguageCode.h"

QString AppContext::languageFile() const
{
    return LanguageCode::languageFilePath(AppDir, LanguageCode);
}
