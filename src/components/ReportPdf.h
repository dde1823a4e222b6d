#pragma once

#include "SafeFile.h"

#include <QList>
#include <QString>

class ReportPage;

// Writes report pages, one after the other, to a PDF file of A4 pages. The
// whole document is made in memory and written through the program's safe
// writer, so a failure never leaves a partial file.
namespace ReportPdf {

SafeFile::Result write(const QString &path, const QString &title, const QList<ReportPage> &pages);

} // namespace ReportPdf
