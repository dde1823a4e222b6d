#pragma once

#include "ReportPage.h"

// The double-entry multiplication grid: the column headers 2 to 12 across
// the top, the row headers 1 to 12 down the left, every product in its cell.
class TRPrintGrid : public ReportPage
{
public:
    static constexpr int Rows = 13;
    static constexpr int Columns = 12;
    // The picture's size: 596 x 496 pixels at 96 pixels per inch.
    static constexpr QRectF Picture{23.3, 46.6, 596 * 25.4 / 96, 496 * 25.4 / 96};

    TRPrintGrid();

    // The box of a cell, row 0 and column 0 being the headers.
    static QRectF cell(int row, int column);

private:
    void addGrid();
    void addRule(const QPointF &from, const QPointF &to, int pixels);
};
