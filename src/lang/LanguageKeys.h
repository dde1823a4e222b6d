#pragma once

#include <QString>
#include <QStringList>

// The sections of a language file and the keys each window reads from its
// section. Windows load their texts through this list, and the delivered
// language files are checked against it, so it is the one place to add a key.
namespace LanguageKeys {

const QStringList &sections();
const QStringList &keys(const QString &section);

// The one key whose missing text is not empty.
inline constexpr char16_t GridCaptionKey[] = u"vQRPrintGridCaption";
inline constexpr char16_t GridCaptionDefault[] = u"xxx";

} // namespace LanguageKeys
