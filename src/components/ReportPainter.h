#pragma once

#include <QDate>

class QPainter;
class ReportPage;

// Draws a report page on any painter (printer, PDF writer, preview) at the
// device's own resolution, the paper's top-left corner at the origin: text
// and lines stay vectors, so they are crisp on paper and in PDF.
namespace ReportPainter {

void paint(QPainter &painter, const ReportPage &page, const QDate &today = QDate::currentDate());

// The date as the page's date field shows it: the system's short format.
QString dateText(const QDate &date);

} // namespace ReportPainter
