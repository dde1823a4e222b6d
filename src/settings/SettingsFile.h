#pragma once

#include "AppSettings.h"
#include "GradientSpec.h"

#include <QString>

#include <optional>

class ProfileFile;

// What start-up reads from the settings file and what the quit writes back.
namespace SettingsFile {

using namespace Qt::StringLiterals;

inline const QString RelativePath = u"sys/multable.ini"_s;

// Everything the quit writes, gathered from the windows that hold it.
struct QuitValues
{
    // No value leaves the stored text as it was read.
    std::optional<QString> language;
    int range = 1;
    int operation = -1;
    AppSettings settings;
    GradientSpec background;
};

// The stored text, which may not be a language code.
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
