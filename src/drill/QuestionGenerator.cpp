#include "QuestionGenerator.h"

#include "Random.h"

#include <algorithm>

namespace {

QList<int> usableFactors(const QStringList &entries)
{
    QList<int> factors;
    for (const QString &entry : entries) {
        bool ok = false;
        const int value = entry.trimmed().toInt(&ok);
        if (ok && value >= 1 && value <= 12)
            factors << value;
    }
    if (factors.isEmpty())
        factors << 1;
    return factors;
}

int drawMultiplicator(const QList<int> &range, int previous)
{
    if (range.size() == 1)
        return range.first();
    // Without another value to go to, a repeat is unavoidable.
    const bool canChange = std::any_of(range.begin(), range.end(), [previous](int v) { return v != previous; });
    int value = 0;
    do {
        value = range.at(Random::below(int(range.size())));
    } while (canChange && value == previous);
    return value;
}

} // namespace

namespace QuestionGenerator {

void chooseSign(DrillState &state, const Request &request)
{
    switch (request.kind) {
    case OperatorKind::Multiply:
        state.Sign = Times;
        break;
    case OperatorKind::Divide:
        state.Sign = request.divisionSign;
        break;
    case OperatorKind::Alternate:
        state.Sign = state.Sign == Times ? request.divisionSign : Times;
        break;
    case OperatorKind::Random:
        state.Sign = Random::below(2) == 0 ? Times : request.divisionSign;
        break;
    }
}

void drawFactors(DrillState &state, const Request &request)
{
    state.Multiplicator = qint16(drawMultiplicator(usableFactors(request.range), state.PreviousMultiplicator));
    state.PreviousMultiplicator = qint8(state.Multiplicator);
    state.FirstText = QString::number(state.Multiplicator);

    const QList<int> tables = usableFactors(request.tables);
    state.Table = qint16(tables.at(Random::below(int(tables.size()))));
    state.SecondText = QString::number(state.Table);

    state.Expected = qint16(state.Multiplicator * state.Table);
    if (state.Sign != Times) {
        state.FirstText = QString::number(state.Expected);
        state.Expected = qint16(state.Expected / state.Table);
    }

    if (request.inversion && request.kind == OperatorKind::Multiply && Random::below(2) == 1)
        std::swap(state.FirstText, state.SecondText);
}

qint64 screenAnswer(const QString &first, const QString &second, const QString &sign)
{
    const qint64 a = first.toLongLong();
    const qint64 b = second.toLongLong();
    if (sign == Times)
        return a * b;
    return b == 0 ? 0 : a / b;
}

} // namespace QuestionGenerator
