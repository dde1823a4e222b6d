#pragma once

#include "RandomSheetGenerator.h"
#include "ReportPage.h"

// The random worksheet: a header with the chosen tables and the options,
// three columns of operations with blanks for the answers, and a footer.
class TRPrintRandom : public ReportPage
{
public:
    static inline const std::array<QString, RandomSheetGenerator::Columns> ColumnNames = {
        QStringLiteral("QRMemo1"), QStringLiteral("QRMemo2"), QStringLiteral("QRMemo3")};

    TRPrintRandom();

    void setColumns(const RandomSheetGenerator::Sheet &sheet);
    void emptyColumns();
};
