#include "Fact.h"

using namespace Qt::StringLiterals;

namespace {

bool inTables(int value)
{
    return value >= 1 && value <= Fact::Side;
}

} // namespace

bool Fact::isValid() const
{
    return inTables(table) && inTables(multiplicator);
}

int Fact::index() const
{
    const int cell = (table - 1) * Side + multiplicator - 1;
    return sign == FactSign::Multiply ? cell : Side * Side + cell;
}

Fact Fact::fromIndex(int index)
{
    const int cell = index % (Side * Side);
    return {cell / Side + 1, cell % Side + 1,
            index < Side * Side ? FactSign::Multiply : FactSign::Divide};
}

std::optional<Fact> Fact::fromShown(int first, QChar sign, int second)
{
    Fact fact;
    if (sign == u'x') {
        fact = {second, first, FactSign::Multiply};
    } else if (sign == u':' || sign == u'\u00f7') {
        if (second == 0 || first % second != 0)
            return std::nullopt;
        fact = {second, first / second, FactSign::Divide};
    } else {
        return std::nullopt;
    }
    if (!fact.isValid())
        return std::nullopt;
    return fact;
}

QString Fact::text(QChar divisionSign) const
{
    if (sign == FactSign::Multiply)
        return u"%1 x %2"_s.arg(multiplicator).arg(table);
    return u"%1 %2 %3"_s.arg(product()).arg(divisionSign).arg(table);
}
