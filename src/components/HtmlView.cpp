#include "HtmlView.h"

#include "Cp1252.h"
#include "PathNames.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextFrame>

HtmlView::HtmlView(QWidget *parent)
    : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette page = palette();
    page.setColor(QPalette::Base, Qt::white);
    setPalette(page);
    connect(this, &QTextBrowser::anchorClicked, this, &HtmlView::linkClicked);
}

bool HtmlView::open(const QString &path)
{
    const QFileInfo page(path);
    if (!page.isFile() || !page.isReadable())
        return false;
    m_folder = page.absolutePath();
    setSource(QUrl::fromLocalFile(page.absoluteFilePath()));
    return true;
}

void HtmlView::follow(const QUrl &target)
{
    const QUrl resolved = source().resolved(target);
    if (readable(resolved))
        setSource(resolved);
}

bool HtmlView::readable(const QUrl &resolved) const
{
    return resolved.isLocalFile() && !m_folder.isEmpty()
           && PathNames::isWithin(resolved.toLocalFile(), m_folder) && QFileInfo(resolved.toLocalFile()).isFile();
}

void HtmlView::setPageMargins(const QMargins &margins)
{
    m_margins = margins;
}

namespace {

// A page that names its encoding, or starts with a byte order mark, is read
// in it; any other page is Windows-1252 text, as every data file is.
QString decodedPage(const QByteArray &bytes)
{
    const QByteArray head = bytes.left(1024).toLower();
    const bool declared = head.contains("charset") || head.startsWith("\xef\xbb\xbf")
                          || head.startsWith("\xff\xfe") || head.startsWith("\xfe\xff");
    if (!declared)
        return Cp1252::decode(bytes);
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    return decoder.isValid() ? decoder.decode(bytes) : Cp1252::decode(bytes);
}

} // namespace

QVariant HtmlView::loadResource(int type, const QUrl &name)
{
    const QUrl resolved = source().resolved(name);
    if (!readable(resolved))
        return {};
    QFile file(resolved.toLocalFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(MaxBytes);
    if (type == QTextDocument::HtmlResource)
        return decodedPage(bytes);
    return bytes;
}

// A new page starts a fresh document: it takes the margins again, and no
// history of visited pages is kept.
void HtmlView::doSetSource(const QUrl &name, QTextDocument::ResourceType type)
{
    QTextBrowser::doSetSource(name, type);
    if (!m_margins.isNull()) {
        QTextFrameFormat format = document()->rootFrame()->frameFormat();
        format.setLeftMargin(m_margins.left());
        format.setTopMargin(m_margins.top());
        format.setRightMargin(m_margins.right());
        format.setBottomMargin(m_margins.bottom());
        document()->rootFrame()->setFrameFormat(format);
    }
    clearHistory();
}
