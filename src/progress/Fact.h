#pragma once

#include <QString>

#include <optional>

enum class FactSign { Multiply, Divide };

// One cell of the progress grids: a multiplication "multiplicator x table",
// or the division "product ÷ table" whose answer is the multiplicator.
struct Fact
{
    int table = 0;
    int multiplicator = 0;
    FactSign sign = FactSign::Multiply;

    static constexpr int Side = 12;
    static constexpr int Count = 2 * Side * Side;

    bool isValid() const;
    int product() const { return table * multiplicator; }

    // 0 to Count - 1: the multiplications, then the divisions, row by row.
    int index() const;
    static Fact fromIndex(int index);

    // The fact of a question as the pupil saw it: "8 x 7" is multiplicator 8
    // of table 7, "56 ÷ 7" (or "56 : 7") is multiplicator 8 of table 7. None
    // for a question outside the tables 1 to 12.
    static std::optional<Fact> fromShown(int first, QChar sign, int second);

    // "8 x 7", "56 ÷ 7".
    QString text(QChar divisionSign) const;

    friend bool operator==(const Fact &, const Fact &) = default;
};
