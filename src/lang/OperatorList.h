#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The four operator names of a language, in the order multiply, divide,
// alternate, random.
namespace OperatorList {

QString relativePath(const QString &languageCode);

std::optional<QStringList> load(const QString &appDir, const QString &languageCode);

// A first run writes the English and French lists when the English one is
// missing. Returns the paths that could not be written.
QStringList createDefaultsIfMissing(const QString &appDir);

} // namespace OperatorList
