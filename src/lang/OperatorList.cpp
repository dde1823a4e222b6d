#include "OperatorList.h"

#include "PathNames.h"
#include "TextLines.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace OperatorList {

QString relativePath(const QString &languageCode)
{
    return u"sys/"_s + languageCode + u"OpSel.txt"_s;
}

QString path(const QString &appDir, const QString &languageCode)
{
    return PathNames::findIgnoringCase(appDir + relativePath(languageCode));
}

std::optional<QStringList> load(const QString &appDir, const QString &languageCode)
{
    return TextLines::read(path(appDir, languageCode));
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

QList<std::pair<QString, SafeFile::Result>> createDefaultsIfMissing(const QString &appDir)
{
    if (QFileInfo::exists(path(appDir, u"en"_s)))
        return {};
    const QList<std::pair<QString, QStringList>> defaults = {
        {u"en"_s, englishNames()},
        {u"fr"_s,
         {u"Op\u00e9rateur: Multiplier"_s, u"Op\u00e9rateur: Diviser"_s,
          u"Op\u00e9rateur: Altern\u00e9"_s, u"Op\u00e9rateur: Al\u00e9atoire"_s}},
    };
    QList<std::pair<QString, SafeFile::Result>> failed;
    for (const auto &[code, lines] : defaults) {
        const QString file = appDir + relativePath(code);
        if (const SafeFile::Result result = TextLines::write(file, lines);
            result != SafeFile::Result::Written)
            failed.append({file, result});
    }
    return failed;
}

} // namespace OperatorList
