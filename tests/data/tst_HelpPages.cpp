// Checks the delivered help pages (data/sys/<code>-help.html): their bytes,
// their links and pictures, and that the program's HTML display shows them.
// The pages are only read, never written.

#include "Cp1252.h"

#include <QtTest>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

const QString SysDir = QString::fromUtf8(NUMERILLO_SOURCE_DIR "/data/sys");

QString pagePath(const QString &code)
{
    return SysDir + QLatin1Char('/') + code + u"-help.html"_s;
}

QByteArray readPage(const QString &code)
{
    QFile file(pagePath(code));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList captures(const QString &text, const QString &pattern)
{
    QStringList found;
    const QRegularExpression re(pattern, QRegularExpression::CaseInsensitiveOption);
    for (auto it = re.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

// Anchors a link can jump to, in page order: <a name="x"> and id="x".
QStringList anchorsOf(const QString &html)
{
    return captures(html, uR"re(<a\s[^>]*\bname\s*=\s*"([^"]*)")re"_s)
        + captures(html, uR"re(\bid\s*=\s*"([^"]*)")re"_s);
}

QStringList hrefsOf(const QString &html)
{
    return captures(html, uR"re(<a\s[^>]*\bhref\s*=\s*"([^"]*)")re"_s);
}

QStringList picturesOf(const QString &html)
{
    return captures(html, uR"re(<img\s[^>]*\bsrc\s*=\s*"([^"]*)")re"_s);
}

// The whole <img ...> tag of each picture, to read its width and height.
QStringList pictureTagsOf(const QString &html)
{
    return captures(html, uR"re((<img\s[^>]*>))re"_s);
}

int attribute(const QString &tag, const QString &name)
{
    const QRegularExpression re(uR"re(\b%1\s*=\s*"(\d+)")re"_s.arg(name));
    return re.match(tag).captured(1).toInt();
}

// The offset of the first well-formed UTF-8 multi-byte sequence, or -1.
// In Windows-1252 text an accented letter stands alone between ASCII bytes,
// so a lead byte followed by the right number of continuation bytes means the
// page was saved as UTF-8.
qsizetype firstUtf8Sequence(const QByteArray &bytes)
{
    const auto isContinuation = [&](qsizetype i) {
        return i < bytes.size() && (uchar(bytes[i]) & 0xC0) == 0x80;
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar c = uchar(bytes[i]);
        const int followers = (c >= 0xC2 && c <= 0xDF) ? 1 : (c >= 0xE0 && c <= 0xEF) ? 2
                            : (c >= 0xF0 && c <= 0xF4) ? 3 : 0;
        if (followers == 0)
            continue;
        bool all = true;
        for (int k = 1; k <= followers; ++k)
            all = all && isContinuation(i + k);
        if (all)
            return i;
    }
    return -1;
}

// Every anchor name that the laid-out document knows.
QSet<QString> documentAnchors(const QTextDocument &doc)
{
    QSet<QString> names;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            for (const QString &name : it.fragment().charFormat().anchorNames())
                names.insert(name);
        }
    }
    return names;
}

} // namespace

class tst_HelpPages : public QObject
{
    Q_OBJECT

private:
    void languageRows();

private slots:
    void bytesAreWindows1252_data() { languageRows(); }
    void bytesAreWindows1252();
    void linksAndPicturesResolve_data() { languageRows(); }
    void linksAndPicturesResolve();
    void sameStructureAsEnglish_data() { languageRows(); }
    void sameStructureAsEnglish();
    void rendersInTextBrowser_data() { languageRows(); }
    void rendersInTextBrowser();
};

// One row per delivered language, with a word of its page that holds a
// character beyond ASCII: it must come through the decoding intact.
void tst_HelpPages::languageRows()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("word");
    QTest::newRow("en") << "en" << u"21 ÷ 7 = 3"_s;
    QTest::newRow("fr") << "fr" << u"Répondre aux questions"_s;
    QTest::newRow("nl") << "nl" << u"één"_s;
    QTest::newRow("de") << "de" << u"Aufgabenblätter"_s;
    QTest::newRow("it") << "it" << u"più piccolo"_s;
    QTest::newRow("es") << "es" << u"¿Bien o mal?"_s;
}

void tst_HelpPages::bytesAreWindows1252()
{
    QFETCH(QString, code);
    QFETCH(QString, word);
    const QByteArray bytes = readPage(code);
    QVERIFY2(bytes.size() > 4000, qPrintable(pagePath(code) + " is missing or nearly empty"));

    const qsizetype utf8At = firstUtf8Sequence(bytes);
    QVERIFY2(utf8At < 0, qPrintable(u"UTF-8 sequence at byte %1"_s.arg(utf8At)));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar c = uchar(bytes[i]);
        // 81, 8D, 8F, 90 and 9D have no character in Windows-1252.
        const bool undefined = c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
        const bool control = c < 0x20 && c != '\r' && c != '\n' && c != '\t';
        QVERIFY2(!undefined && !control, qPrintable(u"byte %1 at %2"_s.arg(c, 2, 16).arg(i)));
        if (c == '\n')
            QVERIFY2(i > 0 && bytes[i - 1] == '\r', qPrintable(u"bare LF at %1"_s.arg(i)));
        if (c == '\r')
            QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', qPrintable(u"bare CR at %1"_s.arg(i)));
    }

    const QString html = Cp1252::decode(bytes);
    QVERIFY(html.contains(QRegularExpression(uR"re(<meta\s[^>]*charset\s*=\s*"?windows-1252")re"_s,
                                             QRegularExpression::CaseInsensitiveOption)));
    QVERIFY2(html.contains(word), qPrintable(word));
    QVERIFY(!html.contains(QLatin1String("<script"), Qt::CaseInsensitive));
}

void tst_HelpPages::linksAndPicturesResolve()
{
    QFETCH(QString, code);
    const QString html = Cp1252::decode(readPage(code));
    const QStringList anchors = anchorsOf(html);
    QVERIFY(anchors.size() >= 10);
    QCOMPARE(QSet<QString>(anchors.begin(), anchors.end()).size(), anchors.size()); // no name twice

    int internal = 0, mail = 0, web = 0;
    for (const QString &href : hrefsOf(html)) {
        if (href.startsWith(QLatin1Char('#'))) {
            QVERIFY2(anchors.contains(href.mid(1)), qPrintable("no anchor for " + href));
            ++internal;
        } else if (href.startsWith(QLatin1String("mailto:"))) {
            ++mail;
        } else {
            // The drill window hands only addresses with "http:" to the system.
            QVERIFY2(href.startsWith(QLatin1String("http://")), qPrintable("unexpected link " + href));
            ++web;
        }
    }
    QVERIFY(internal >= anchors.size() - 1); // the table of contents reaches every part
    QVERIFY(mail >= 1);
    QVERIFY(web >= 1);

    const QStringList pictures = picturesOf(html);
    const QStringList tags = pictureTagsOf(html);
    QVERIFY(!pictures.isEmpty());
    QCOMPARE(tags.size(), pictures.size());
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const QString &src = pictures[i];
        QVERIFY2(QDir::isRelativePath(src) && !src.contains(QLatin1String("..")), qPrintable(src));
        const QString file = SysDir + QLatin1Char('/') + src;
        QVERIFY2(QFileInfo::exists(file), qPrintable(file));
        const QImage image(file);
        QVERIFY2(!image.isNull(), qPrintable(file + " is not a picture"));
        // A stated size that differs from the picture's own stretches it.
        QCOMPARE(attribute(tags[i], u"width"_s), image.width());
        QCOMPARE(attribute(tags[i], u"height"_s), image.height());
    }
}

void tst_HelpPages::sameStructureAsEnglish()
{
    QFETCH(QString, code);
    const QString english = Cp1252::decode(readPage(u"en"_s));
    const QString page = Cp1252::decode(readPage(code));
    QCOMPARE(anchorsOf(page), anchorsOf(english));
    QCOMPARE(picturesOf(page), picturesOf(english));
    QCOMPARE(hrefsOf(page), hrefsOf(english));
}

void tst_HelpPages::rendersInTextBrowser()
{
    QFETCH(QString, code);
    QFETCH(QString, word);
    QTextBrowser browser;
    browser.resize(489, 400);
    browser.setSource(QUrl::fromLocalFile(pagePath(code)));
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));

    const QString text = browser.document()->toPlainText();
    QVERIFY(text.size() > 3000);
    QVERIFY2(text.contains(word), qPrintable("the display did not decode " + word));
    QVERIFY(!text.contains(QChar::ReplacementCharacter));

    const QString html = Cp1252::decode(readPage(code));
    const QStringList anchors = anchorsOf(html);
    const QSet<QString> known = documentAnchors(*browser.document());
    for (const QString &name : anchors)
        QVERIFY2(known.contains(name), qPrintable("the display lost anchor " + name));

    // Following the last part's link scrolls the page down.
    QCOMPARE(browser.verticalScrollBar()->value(), 0);
    browser.scrollToAnchor(anchors.last());
    QVERIFY(browser.verticalScrollBar()->value() > 0);

    for (const QString &src : picturesOf(html)) {
        const QVariant data = browser.loadResource(QTextDocument::ImageResource, QUrl(src));
        QVERIFY2(!QImage::fromData(data.toByteArray()).isNull(), qPrintable("the display cannot load " + src));
    }
}

QTEST_MAIN(tst_HelpPages)
#include "tst_HelpPages.moc"
