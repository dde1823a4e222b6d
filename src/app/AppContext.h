#pragma once

#include "AppSettings.h"
#include "DrillState.h"
#include "History.h"

#include <QString>

// What all windows share: the program folder, the interface language, the
// settings, the drill record and the history of answers.
struct AppContext
{
    QString AppDir; // ends with "/"
    QString LanguageCode;
    AppSettings settings;
    DrillState drill;
    History history;

    QString path(const QString &relative) const { return AppDir + relative; }
    QString languageFile() const;
};
