#include "CaptionTexts.h"

#include "LanguageKeys.h"
#include "ProfileFile.h"

CaptionTexts CaptionTexts::load(const QString &languageFilePath, const QString &section)
{
    const ProfileFile file(languageFilePath);
    CaptionTexts texts;
    texts.m_section = section;
    for (const QString &key : LanguageKeys::keys(section)) {
        const QString fallback = key == QStringView(LanguageKeys::GridCaptionKey)
                                     ? QString::fromUtf16(LanguageKeys::GridCaptionDefault)
                                     : QString();
        texts.m_texts.insert(key.toLower(), file.readString(section, key, fallback));
    }
    return texts;
}

QString CaptionTexts::text(const QString &key) const
{
    Q_ASSERT_X(LanguageKeys::keys(m_section).contains(key, Qt::CaseInsensitive), "CaptionTexts",
               "every key a window reads belongs in LanguageKeys");
    return m_texts.value(key.toLower());
}
