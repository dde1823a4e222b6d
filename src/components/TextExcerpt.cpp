#include "TextExcerpt.h"

namespace TextExcerpt {

QString shortened(const QString &text)
{
    if (text.size() <= MaxLength)
        return text;
    return text.left(MaxLength) + QChar(0x2026);
}

} // namespace TextExcerpt
