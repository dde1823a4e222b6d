#include "Cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Cp1252 {

QString decode(QByteArrayView bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

QByteArray encode(QStringView text, bool *ok)
{
    QStringEncoder encoder("windows-1252", QStringEncoder::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (ok)
        *ok = !encoder.hasError();
    return bytes;
}

} // namespace Cp1252
