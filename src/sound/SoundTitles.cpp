#include "SoundTitles.h"

#include "PathNames.h"
#include "TextLines.h"

using namespace Qt::StringLiterals;

namespace SoundTitles {

namespace {

QStringList merged(const QStringList &read, QStringList base)
{
    for (qsizetype i = 0; i < base.size() && i < read.size(); ++i)
        base[i] = read[i];
    return base;
}

} // namespace

QStringList initialChoices()
{
    QStringList choices{u"Silence..."_s};
    for (int number = 1; number < ChoiceCount; ++number)
        choices << u"Sound %1"_s.arg(number);
    return choices;
}

QString choicesPath(const QString &appDir)
{
    return PathNames::findIgnoringCase(appDir + u"sys/SoundStr.txt"_s);
}

std::optional<QStringList> loadChoices(const QString &path, const QStringList &current)
{
    const std::optional<QStringList> lines = TextLines::read(path);
    if (!lines)
        return std::nullopt;
    return merged(*lines, current);
}

QStringList initialEventTitles()
{
    return {QString::fromUtf8("Entrée dans Numerillo (1)"),
            QString::fromUtf8("Commencer à calculer (2)"),
            QString::fromUtf8("Réponse juste (3)"),
            QString::fromUtf8("Réponse fausse ou tardive (4)"),
            QString::fromUtf8("Réponse tardive mais juste (5)"),
            QString::fromUtf8("Réponse tardive et fausse (6)"),
            QString::fromUtf8("Nouveau calcul, mode mental (7)"),
            QString::fromUtf8("Quitter Numerillo (8)")};
}

QString eventTitlesPath(const QString &appDir, const QString &languageCode)
{
    return PathNames::findIgnoringCase(appDir + u"sys/%1-soundevents.txt"_s.arg(languageCode));
}

std::optional<QStringList> loadEventTitles(const QString &path)
{
    const std::optional<QStringList> lines = TextLines::read(path);
    if (!lines)
        return std::nullopt;
    return merged(*lines, initialEventTitles());
}

QString eventNumber(const QString &title)
{
    return title.right(3);
}

} // namespace SoundTitles
