#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The texts around the sound sets: the six choices of the sound options
// (Silence and the titles of sets 1 to 5, sys/SoundStr.txt) and the titles of
// the eight events in each language (sys/<code>-soundevents.txt).
namespace SoundTitles {

constexpr int ChoiceCount = 6;
constexpr int EventCount = 8;
constexpr int TitleMaxLength = 10;

QStringList initialChoices();
QString choicesPath(const QString &appDir);
// No value when the file can't be read; missing lines keep the given texts,
// lines after the sixth are ignored.
std::optional<QStringList> loadChoices(const QString &path, const QStringList &current);

QStringList initialEventTitles();
QString eventTitlesPath(const QString &appDir, const QString &languageCode);
std::optional<QStringList> loadEventTitles(const QString &path);

// An event title ends with its number in brackets, "(5)".
QString eventNumber(const QString &title);

} // namespace SoundTitles
