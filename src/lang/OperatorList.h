#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The four operator names of a language, in the order multiply, divide,
// alternate, random.
namespace OperatorList {

QString relativePath(const QString &languageCode);

std::optional<QStringList> load(const QString &appDir, const QString &languageCode);

// The four names of a list as read: a short list is completed, and a
// missing one replaced, with the English names.
QStringList complete(const QStringList &names);

// A first run writes the English and French lists when the English one is
// missing. Returns the paths that could not be written.
QStringList createDefaultsIfMissing(const QString &appDir);

} // namespace OperatorList
