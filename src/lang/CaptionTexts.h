#pragma once

#include <QHash>
#include <QString>

// The texts of one window, read from its section of a language file. A
// missing file, section or key gives an empty text; there is no fall-back
// to another language.
class CaptionTexts
{
public:
    CaptionTexts() = default;

    static CaptionTexts load(const QString &languageFilePath, const QString &section);

    QString text(const QString &key) const;

private:
    QString m_section;
    QHash<QString, QString> m_texts; // keyed by the lower-case key name
};
