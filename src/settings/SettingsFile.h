#pragma once

#include "AppSettings.h"
#include "GradientSpec.h"

#include <QString>

class ProfileFile;

// What start-up reads from the settings file and what the quit writes back.
namespace SettingsFile {

inline const QString RelativePath = QStringLiteral("sys/multable.ini");

// Everything the quit writes, gathered from the windows that hold it.
struct QuitValues
{
    QString language;
    int range = 1;
    int operation = -1;
    AppSettings settings;
    GradientSpec background;
};

QString storedLanguage(const ProfileFile &file);
int storedOperation(const ProfileFile &file);
// The operator list index stored as `Operation`: -1 when the stored text is
// not a whole number or names no operator; a missing value is 0.
int storedOperationIndex(const ProfileFile &file);
void writeOperation(ProfileFile &file, int index);

// Values outside what the program's controls allow are brought into range.
void read(const ProfileFile &file, AppSettings &settings, GradientSpec &background);

void write(ProfileFile &file, const QuitValues &values);

} // namespace SettingsFile
