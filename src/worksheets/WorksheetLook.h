#pragma once

#include "ReportPage.h"

// What the four worksheets share: their face and the maker's address.
namespace WorksheetLook {

inline const QString WebAddress = QStringLiteral("http://numerillo.example/");

inline ReportFont arial(qreal pointSize, bool bold = false, bool underline = false)
{
    return ReportFont{QStringLiteral("Arial"), pointSize, bold, underline};
}

inline ReportFont title(qreal pointSize)
{
    return arial(pointSize, true, true);
}

// The names of the items that the print dialog fills on every page.
inline const QString DateText = QStringLiteral("QRDate");
inline const QString Date = QStringLiteral("QRSysData1");
inline const QString Address = QStringLiteral("QRLabel1");

// The current date, set in 10 pt from its left edge.
inline ReportItem dateField(const QPointF &at)
{
    ReportItem field;
    field.kind = ReportItem::Kind::Date;
    field.name = Date;
    field.box = QRectF(at, QSizeF(0, 0));
    field.font = arial(10);
    return field;
}

// The date text and the date beside it: the text is right-aligned in its box
// so that it ends where the date begins.
inline void addDate(ReportPage &page, qreal textLeft, qreal textRight, qreal textTop,
                    const QPointF &date)
{
    page.addLabel(DateText, QRectF(textLeft, textTop, textRight - textLeft, 0), arial(10),
                  Qt::AlignRight)
        .maxWidth = textRight - textLeft;
    page.add(dateField(date));
}

} // namespace WorksheetLook
