#pragma once

#include <QString>
#include <QStringList>

// The files of the sys folder that the program writes itself.
namespace WrittenFiles {

QStringList names();

// Removes the temporary files that a save interrupted by a crash or a
// power cut left beside them; nothing else in the folder is touched.
void removeInterruptedSaves(const QString &appDir);

} // namespace WrittenFiles
