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

namespace {

const QStringList &englishNames()
{
    static const QStringList names = {u"Operator: Multiply"_s, u"Operator: Divide"_s,
                                      u"Operator: Alternate"_s, u"Operator: Random"_s};
    return names;
}

} // namespace

QStringList complete(const QStringList &names)
{
    QStringList four = names.mid(0, englishNames().size());
    while (four.size() < englishNames().size())
        four << englishNames().at(four.size());
    return four;
}

QStringList createDefaultsIfMissing(const QString &appDir)
{
    if (QFileInfo::exists(appDir + relativePath(u"en"_s)))
        return {};
    const QList<std::pair<QString, QStringList>> defaults = {
        {u"en"_s, englishNames()},
        {u"fr"_s,
         {u"Operateur: Multiplier"_s, u"Operateur: Diviser"_s, u"Operateur: Altern\u00e9"_s,
          u"Operateur: Al\u00e9atoire"_s}},
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
