#include "Cp1252.h"

namespace {

// Bytes 0x80 to 0x9F; the five bytes the code page leaves free keep their own
// values, so that every byte reads and writes back unchanged.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t toUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : char16_t(byte);
}

int toByte(char16_t unicode)
{
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return unicode;
    for (int i = 0; i < 32; ++i) {
        if (HighControls[i] == unicode)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

namespace Cp1252 {

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char byte : bytes)
        *out++ = QChar(toUnicode(static_cast<unsigned char>(byte)));
    return text;
}

QByteArray encode(QStringView text, bool *ok)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bool mapped = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = toByte(text[i].unicode());
        mapped = mapped && byte >= 0;
        bytes[i] = char(byte >= 0 ? byte : '?');
    }
    if (ok)
        *ok = mapped;
    return bytes;
}

} // namespace Cp1252
