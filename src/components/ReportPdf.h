#pragma once

#include <QList>
#include <QString>

class ReportPage;

// Writes report pages, one after the other, to a PDF file of A4 pages. The
// file is replaced only once the whole document is written, so a failure
// never leaves a partial file.
namespace ReportPdf {

bool write(const QString &path, const QString &title, const QList<ReportPage> &pages,
           QString *errorText = nullptr);

} // namespace ReportPdf
