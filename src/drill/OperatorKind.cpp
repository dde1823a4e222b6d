#include "OperatorKind.h"

#include "ProfileFile.h"

using namespace Qt::StringLiterals;

namespace OperatorKinds {

std::optional<OperatorKind> fromIndex(int index)
{
    if (index < 0 || index >= Count)
        return std::nullopt;
    return OperatorKind(index);
}

int indexFromStored(const QString &storedText)
{
    const std::optional<int> value = ProfileFile::parseInteger(storedText);
    return value && fromIndex(*value) ? *value : -1;
}

QString divisionSign(const QString &languageCode)
{
    if (languageCode == u"fr" || languageCode == u"de")
        return u":"_s;
    return QString(QChar(0x00F7));
}

} // namespace OperatorKinds
