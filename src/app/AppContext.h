#pragma once

#include "AppSettings.h"
#include "DrillState.h"
#include "History.h"
#include "Recording.h"

#include <QString>
#include <QStringList>

// What all windows share: the program folder, the interface language, the
// settings, the drill record with its recording, the history of answers and
// the operands the drill and the worksheets draw from.
struct AppContext
{
    QString AppDir; // ends with "/"
    QString LanguageCode;
    AppSettings settings;
    DrillState drill;
    Recording recording{drill};
    History history;

    // The chosen tables and the usable multiplicators, ascending decimal
    // texts; the start window keeps them up to date.
    QStringList LBChoice;
    QStringList LBRange;

    // The entering sound and the check of the set's files are still to come
    // at the start window's next showing.
    bool StartupSoundPending = true;

    static QString programTitle();

    QString path(const QString &relative) const { return AppDir + relative; }
    QString languageFile() const;
};
