#include "OperatorList.h"

#include "TextLines.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace OperatorList {

QString relativePath(const QString &languageCode)
{
    return u"sys/"_s + languageCode + u"OpSel.txt"_s;
}

std::optional<QStringList> load(const QString &appDir, const QString &languageCode)
{
    return TextLines::read(appDir + relativePath(languageCode));
}

QStringList createDefaultsIfMissing(const QString &appDir)
{
    if (QFileInfo::exists(appDir + relativePath(u"en"_s)))
        return {};
    const QList<std::pair<QString, QStringList>> defaults = {
        {u"en"_s,
         {u"Operator: Multiply"_s, u"Operator: Divide"_s, u"Operator: Alternate"_s,
          u"Operator: Random"_s}},
        {u"fr"_s,
         {u"Op\u00e9rateur: Multiplier"_s, u"Op\u00e9rateur: Diviser"_s,
          u"Op\u00e9rateur: Altern\u00e9"_s, u"Op\u00e9rateur: Al\u00e9atoire"_s}},
    };
    QStringList failed;
    for (const auto &[code, lines] : defaults) {
        const QString path = appDir + relativePath(code);
        if (!TextLines::write(path, lines))
            failed << path;
    }
    return failed;
}

} // namespace OperatorList
