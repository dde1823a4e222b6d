#include "ChoiceFile.h"

namespace ChoiceFile {

Choice parse(const QStringList &lines)
{
    Choice choice;
    for (const QString &line : lines) {
        bool ok = false;
        const int table = line.trimmed().toInt(&ok);
        if (!ok) {
            choice.badLine = line;
            break;
        }
        if (table >= 1 && table <= 12)
            choice.tables << table;
    }
    return choice;
}

} // namespace ChoiceFile
