#include "ReportPdf.h"

#include "ReportPage.h"
#include "ReportPainter.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace ReportPdf {

bool write(const QString &path, const QString &title, const QList<ReportPage> &pages, QString *errorText)
{
    QByteArray document;
    {
        QBuffer buffer(&document);
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

    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(document) == document.size()
                         && file.flush() && file.commit();
    if (!written && errorText)
        *errorText = file.errorString();
    return written;
}

} // namespace ReportPdf
