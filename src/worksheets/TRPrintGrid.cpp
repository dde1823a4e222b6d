#include "TRPrintGrid.h"

#include "WorksheetLook.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qreal MmPerPixel = 25.4 / 96;
constexpr int CellBorder = 2;    // pixels
constexpr int HeaderBorder = 3;  // pixels, between the headers and the products
constexpr qreal NumberSize = 12; // points

} // namespace

QRectF TRPrintGrid::cell(int row, int column)
{
    const qreal width = Picture.width() / Columns;
    const qreal height = Picture.height() / Rows;
    return QRectF(Picture.left() + column * width, Picture.top() + row * height, width, height);
}

TRPrintGrid::TRPrintGrid()
{
    using namespace WorksheetLook;
    // A long title is set smaller rather than run into the date.
    addLabel(u"QRGridCaption"_s, QRectF(20.6, 18.5, 0, 0), title(14)).maxWidth = 128.5 - 20.6 - 3;
    const QPointF date(168.2, 20.6);
    addLabel(DateText, QRectF(128.5, 20.3, 0, 0), arial(10)).maxWidth = date.x() - 128.5 - 1;
    add(dateField(date));
    addGrid();
    addLabel(Address, QRectF(98.4, 182.6, 0, 0), arial(10), Qt::AlignLeft,
             u"Numerillo: "_s + WebAddress);
}

void TRPrintGrid::addGrid()
{
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            if (row == 0 && column == 0)
                continue; // the corner stays empty
            const bool header = row == 0 || column == 0;
            const int number = header ? (row == 0 ? column + 1 : row) : row * (column + 1);
            const QRectF box = cell(row, column);
            if (header) {
                ReportItem shade;
                shade.kind = ReportItem::Kind::Shade;
                shade.name = u"Shade%1_%2"_s.arg(row).arg(column);
                shade.box = box;
                add(shade);
            }
            addLabel(u"Cell%1_%2"_s.arg(row).arg(column), box,
                     WorksheetLook::arial(NumberSize, header), Qt::AlignCenter, QString::number(number));
        }
    }

    // The inner borders, then the outline, which cuts across the corner.
    const QPointF corner = cell(1, 1).topLeft();
    for (int row = 2; row < Rows; ++row)
        addRule(cell(row, 0).topLeft(), cell(row, Columns - 1).topRight(), CellBorder);
    for (int column = 2; column < Columns; ++column)
        addRule(cell(0, column).topLeft(), cell(Rows - 1, column).bottomLeft(), CellBorder);
    addRule(QPointF(Picture.left(), corner.y()), QPointF(Picture.right(), corner.y()), HeaderBorder);
    addRule(QPointF(corner.x(), Picture.top()), QPointF(corner.x(), Picture.bottom()), HeaderBorder);

    addRule(QPointF(corner.x(), Picture.top()), Picture.topRight(), CellBorder);
    addRule(Picture.topRight(), Picture.bottomRight(), CellBorder);
    addRule(Picture.bottomRight(), Picture.bottomLeft(), CellBorder);
    addRule(Picture.bottomLeft(), QPointF(Picture.left(), corner.y()), CellBorder);
    addRule(QPointF(Picture.left(), corner.y()), QPointF(corner.x(), Picture.top()), CellBorder);
}

void TRPrintGrid::addRule(const QPointF &from, const QPointF &to, int pixels)
{
    ReportItem rule;
    rule.kind = ReportItem::Kind::Rule;
    rule.rule = QLineF(from, to);
    rule.ruleWidth = pixels * MmPerPixel;
    add(rule);
}
