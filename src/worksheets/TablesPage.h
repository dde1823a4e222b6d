#pragma once

#include "ReportPage.h"

#include <array>
#include <optional>

// The page of the twelve tables, with or without their answers: a title,
// the date and the maker's address above twelve blocks in three rows of four,
// one line per multiplicator, set in Arial 11 pt bold.
class TablesPage : public ReportPage
{
public:
    static constexpr int Tables = 12;
    static constexpr qreal LineSpan = 66.1; // from the first line of a block to its twelfth

    struct Layout
    {
        bool answers = false;
        qreal titleTop = 0;
        std::optional<qreal> commentTop; // no comment line when empty
        qreal dateTextLeft = 0;
        qreal dateTop = 0;
        qreal dateLeft = 0;
        qreal addressLeft = 0;
        std::array<qreal, 3> rowTops{};                // the first line of each block row
        std::array<std::array<qreal, 4>, 3> blockLefts{}; // per row, left to right
    };

    explicit TablesPage(const Layout &layout);

    // "7 x 4 = 28", or "7 x 4 =" without the answer: the table is the second factor.
    static QString line(int multiplicator, int table, bool answer);
};
