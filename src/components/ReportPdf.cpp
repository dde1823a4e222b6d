#include "ReportPdf.h"

#include "ReportPage.h"
#include "ReportPainter.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace ReportPdf {

namespace {

QByteArray document(const QString &title, const QList<ReportPage> &pages)
{
    QByteArray bytes;
    // The writer finishes the document when the painter and the writer end.
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Numerillo"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setPageMargins(QMarginsF());
        QPainter painter(&writer);
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0)
                writer.newPage();
            ReportPainter::paint(painter, pages[i]);
        }
    }
    return bytes;
}

} // namespace

SafeFile::Result write(const QString &path, const QString &title, const QList<ReportPage> &pages)
{
    return SafeFile::write(path, document(title, pages));
}

} // namespace ReportPdf
