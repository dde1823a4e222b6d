#include "ProfileFile.h"

#include "Cp1252.h"
#include "TextLines.h"

using namespace Qt::StringLiterals;

namespace {

const QByteArray LineEnd("\r\n");

QString unquoted(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(ProfileFile::MaxValueLength);
}

} // namespace

ProfileFile::Line ProfileFile::Line::parse(const QByteArray &text, const QByteArray &end)
{
    Line line{text, end};
    const QString decoded = Cp1252::decode(text).trimmed();
    if (decoded.startsWith(u'[')) {
        const qsizetype close = decoded.indexOf(u']');
        line.kind = Section;
        line.name = (close < 0 ? decoded.mid(1) : decoded.mid(1, close - 1)).trimmed().toLower();
    } else if (const qsizetype equals = decoded.indexOf(u'='); equals >= 0) {
        line.kind = Key;
        line.name = decoded.left(equals).trimmed().toLower();
    }
    return line;
}

ProfileFile::ProfileFile(const QString &path)
    : m_path(path)
{
    std::optional<QByteArray> read = SafeFile::read(path);
    if (!read)
        return;
    m_exists = true;
    QByteArray &bytes = *read;
    m_byteOrderMark = TextLines::skipByteOrderMark(bytes);
    // CR, LF and CR LF all end a line; each line keeps its own end.
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < bytes.size() && bytes[next] == '\r')
            ++next;
        if (next < bytes.size() && bytes[next] == '\n')
            ++next;
        m_lines.append(Line::parse(bytes.mid(start, end - start), bytes.mid(end, next - end)));
        start = next;
    }
}

// A line that is followed by an added one ends with CR LF, so that the
// added line stands on a line of its own for every reader.
void ProfileFile::endLine(qsizetype index)
{
    if (!m_lines[index].end.endsWith('\n'))
        m_lines[index].end = LineEnd;
}

ProfileFile::Position ProfileFile::find(const QString &section, const QString &key) const
{
    const QString sectionName = section.toLower();
    const QString keyName = key.toLower();
    Position position;
    bool inSection = false;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        if (line.kind == Line::Section) {
            if (inSection)
                break;
            inSection = line.name == sectionName;
            if (inSection)
                position.sectionLine = position.lastLine = i;
            continue;
        }
        if (!inSection || line.text.trimmed().isEmpty())
            continue;
        position.lastLine = i;
        if (position.keyLine < 0 && line.kind == Line::Key && line.name == keyName)
            position.keyLine = i;
    }
    return position;
}

std::optional<QString> ProfileFile::value(const QString &section, const QString &key) const
{
    const Position position = find(section, key);
    if (position.keyLine < 0)
        return std::nullopt;
    const QString line = Cp1252::decode(m_lines[position.keyLine].text);
    return unquoted(line.mid(line.indexOf(u'=') + 1));
}

QString ProfileFile::readString(const QString &section, const QString &key,
                                const QString &defaultValue) const
{
    const auto text = value(section, key);
    return text && !text->isEmpty() ? *text : defaultValue;
}

int ProfileFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const auto text = value(section, key);
    if (!text)
        return defaultValue;
    return parseInteger(*text).value_or(defaultValue);
}

bool ProfileFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    bool encoded = false;
    const QByteArray bytes = Cp1252::encode(value, &encoded);
    if (!encoded)
        return false;
    const Position position = find(section, key);
    if (position.keyLine >= 0) {
        Line &line = m_lines[position.keyLine];
        line.text = line.text.left(line.text.indexOf('=') + 1) + bytes;
        return true;
    }
    const Line entry = Line::parse(Cp1252::encode(key) + '=' + bytes, LineEnd);
    if (position.sectionLine >= 0) {
        endLine(position.lastLine);
        m_lines.insert(position.lastLine + 1, entry);
        return true;
    }
    if (!m_lines.isEmpty())
        endLine(m_lines.size() - 1);
    m_lines.append(Line::parse('[' + Cp1252::encode(section) + ']', LineEnd));
    m_lines.append(entry);
    return true;
}

void ProfileFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void ProfileFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? u"1"_s : u"0"_s);
}

SafeFile::Result ProfileFile::save() const
{
    QByteArray bytes = m_byteOrderMark ? TextLines::ByteOrderMark : QByteArray();
    for (const Line &line : m_lines)
        bytes += line.text + line.end;
    return SafeFile::write(m_path, bytes);
}

std::optional<int> ProfileFile::parseInteger(const QString &text)
{
    QStringView digits = QStringView(text).trimmed();
    bool negative = false;
    if (digits.startsWith(u'-') || digits.startsWith(u'+')) {
        negative = digits.front() == u'-';
        digits = digits.mid(1);
    }
    int base = 10;
    if (digits.startsWith(u'$')) {
        base = 16;
        digits = digits.mid(1);
    } else if (digits.startsWith(u"0x") || digits.startsWith(u"0X")) {
        base = 16;
        digits = digits.mid(2);
    }
    if (digits.isEmpty() || digits.front() == u'+' || digits.front() == u'-')
        return std::nullopt;

    bool ok = false;
    qint64 number = 0;
    if (base == 16) {
        // Eight hexadecimal digits fill the 32 bits, as colours are written.
        const quint64 bits = digits.size() <= 8 ? digits.toULongLong(&ok, 16) : 0;
        number = qint32(quint32(bits));
    } else {
        number = digits.toLongLong(&ok, 10);
        ok = ok && number <= qint64(std::numeric_limits<qint32>::max()) + (negative ? 1 : 0);
    }
    if (!ok)
        return std::nullopt;
    return int(negative ? -number : number);
}
