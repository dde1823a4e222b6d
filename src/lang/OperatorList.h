#pragma once

#include "SafeFile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The four operator names of a language, in the order multiply, divide,
// alternate, random.
namespace OperatorList {

QString relativePath(const QString &languageCode);

std::optional<QStringList> load(const QString &appDir, const QString &languageCode);

// The list of a language, found without regard to letter case.
QString path(const QString &appDir, const QString &languageCode);

// The four names of a list as read: a short list is completed, and a
// missing one replaced, with the English names.
QStringList complete(const QStringList &names);

// A first run writes the English and French lists when the English one is
// missing. Returns the files that could not be written, with the failure.
QList<std::pair<QString, SafeFile::Result>> createDefaultsIfMissing(const QString &appDir);

} // namespace OperatorList
