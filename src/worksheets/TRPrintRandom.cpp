#include "TRPrintRandom.h"

#include "WorksheetLook.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qreal HeaderLeft = 16.3;
constexpr qreal OptionsLeft = 156.1;
constexpr qreal Gap = 3;
constexpr qreal ColumnTop = 34.9;
constexpr QSizeF ColumnSize(35.7, 227.5);
constexpr std::array<qreal, 3> ColumnLefts = {16.9, 82.5, 152.4};

} // namespace

TRPrintRandom::TRPrintRandom()
{
    using namespace WorksheetLook;
    // Long texts are set smaller rather than run into the options or off the page.
    const qreal headerWidth = OptionsLeft - HeaderLeft - Gap;
    addLabel(u"QRRandomTitle"_s, QRectF(HeaderLeft, 17.4, 0, 0), title(12)).maxWidth = headerWidth;
    addLabel(u"QRRandomComment"_s, QRectF(HeaderLeft, 23.8, 0, 0), arial(10)).maxWidth = headerWidth;
    const qreal optionsWidth = ReportPage::WidthMm - ReportPage::MarginMm - OptionsLeft;
    addLabel(u"QROptions"_s, QRectF(OptionsLeft, 13.2, 0, 0), title(9)).maxWidth = optionsWidth;
    addLabel(u"QROptionCrossed"_s, QRectF(OptionsLeft, 17.4, 0, 0), arial(9)).maxWidth = optionsWidth;
    addLabel(u"QROptionMultiplier"_s, QRectF(OptionsLeft, 21.4, 0, 0), arial(9)).maxWidth = optionsWidth;
    addLabel(u"QRLabel2"_s, QRectF(OptionsLeft, 25.1, 0, 0), arial(9)).maxWidth = optionsWidth;

    for (int i = 0; i < RandomSheetGenerator::Columns; ++i) {
        ReportItem column;
        column.kind = ReportItem::Kind::Lines;
        column.name = ColumnNames[i];
        column.box = QRectF(QPointF(ColumnLefts[i], ColumnTop), ColumnSize);
        column.font = arial(11);
        column.alignment = Qt::AlignRight;
        add(column);
    }

    addLabel(Address, QRectF(27.5, 261.7, 0, 0), arial(10), Qt::AlignLeft, WebAddress);
    addDate(*this, 133.3, 178.5, 262.5, QPointF(179.4, 262.5));
}

void TRPrintRandom::setColumns(const RandomSheetGenerator::Sheet &sheet)
{
    for (int i = 0; i < RandomSheetGenerator::Columns; ++i) {
        clearLines(ColumnNames[i]);
        for (const QString &line : sheet[i])
            appendLine(ColumnNames[i], line);
    }
}

void TRPrintRandom::emptyColumns()
{
    for (const QString &name : ColumnNames)
        clearLines(name);
}
