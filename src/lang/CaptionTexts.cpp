#include "CaptionTexts.h"

#include "LanguageKeys.h"
#include "ProfileFile.h"

#include <QDateTime>
#include <QFileInfo>

namespace {

// Every window reads the same language file in turn, at start-up and after a
// change of language: read it once, and again only when it changed on disk.
const ProfileFile &languageFile(const QString &path)
{
    struct Cached
    {
        QString path;
        QDateTime modified;
        qint64 size = -1;
        std::optional<ProfileFile> file;
    };
    static Cached cached;
    const QFileInfo info(path);
    if (cached.path != path || cached.modified != info.lastModified() || cached.size != info.size()) {
        cached.path = path;
        cached.modified = info.lastModified();
        cached.size = info.size();
        cached.file.emplace(path);
    }
    return *cached.file;
}

} // namespace

CaptionTexts CaptionTexts::load(const QString &languageFilePath, const QString &section)
{
    const ProfileFile &file = languageFile(languageFilePath);
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
