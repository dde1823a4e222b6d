#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The saved choice of tables: one table number per line.
namespace ChoiceFile {

using namespace Qt::StringLiterals;

inline const QString RelativePath = u"sys/choices.txt"_s;

struct Choice
{
    QList<int> tables;                 // the numbers 1 to 12, in file order
    std::optional<QString> badLine;    // the first line that is not a whole number
};

// Lines after one that is not a whole number are not used; numbers outside
// 1 to 12 are ignored.
Choice parse(const QStringList &lines);

} // namespace ChoiceFile
