#pragma once

#include "SafeFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// An INI file as the program keeps its settings and its language texts:
// sections and keys are matched without regard to letter case, a value is
// the text after the first "=" without surrounding blanks and one pair of
// quotes, and a write changes one line and leaves every other line as it was.
class ProfileFile
{
public:
    static constexpr qsizetype MaxValueLength = 2047;

    explicit ProfileFile(const QString &path);

    const QString &path() const { return m_path; }
    bool exists() const { return m_exists; }

    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue = {}) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    // False, and the file unchanged, when the value holds a character
    // outside Windows-1252.
    bool writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    // Replaces the file on disk only once the new contents are complete.
    SafeFile::Result save() const;

    // Decimal with an optional sign, or hexadecimal after "$", "0x" or "0X".
    static std::optional<int> parseInteger(const QString &text);

private:
    struct Line
    {
        enum Kind { Other, Section, Key };

        static Line parse(const QByteArray &text, const QByteArray &end);

        QByteArray text;
        QByteArray end; // the line's own terminator, kept as found
        Kind kind = Other;
        QString name;   // the section or key name in lower case
    };
    struct Position
    {
        qsizetype sectionLine = -1; // the header line, -1 when the section is missing
        qsizetype keyLine = -1;     // -1 when the key is missing
        qsizetype lastLine = -1;    // the last non-blank line of the section
    };

    Position find(const QString &section, const QString &key) const;
    std::optional<QString> value(const QString &section, const QString &key) const;
    void endLine(qsizetype index);

    QString m_path;
    bool m_exists = false;
    bool m_byteOrderMark = false;
    QList<Line> m_lines;
};
