#pragma once

#include "AppSettings.h"
#include "DrillState.h"

#include <QString>

// What all windows share: the program folder, the interface language, the
// settings and the drill record.
struct AppContext
{
    QString AppDir; // ends with "/"
    QString LanguageCode;
    AppSettings settings;
    DrillState drill;

    QString path(const QString &relative) const { return AppDir + relative; }
    QString languageFile() const;
};
