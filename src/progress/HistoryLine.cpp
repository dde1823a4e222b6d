#include "HistoryLine.h"

#include <array>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int FieldCount = 8;
constexpr char DivisionByte = char(247); // "÷" in Windows-1252

// A whole number of 1 to `maxDigits` digits, nothing else.
std::optional<int> number(QByteArrayView field, int maxDigits)
{
    if (field.isEmpty() || field.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "2026-03-14" or "16:05:09": a number of `firstWidth` digits, then two of
// two digits, each after the separator.
std::optional<std::array<int, 3>> triple(QByteArrayView field, char separator, int firstWidth)
{
    if (field.size() != firstWidth + 6 || field[firstWidth] != separator
        || field[firstWidth + 3] != separator)
        return std::nullopt;
    const auto first = number(field.first(firstWidth), firstWidth);
    const auto second = number(field.sliced(firstWidth + 1, 2), 2);
    const auto third = number(field.sliced(firstWidth + 4, 2), 2);
    if (!first || !second || !third)
        return std::nullopt;
    return std::array{*first, *second, *third};
}

std::optional<FactSign> sign(QByteArrayView field)
{
    if (field == "x")
        return FactSign::Multiply;
    if (field == ":" || field == QByteArrayView(&DivisionByte, 1))
        return FactSign::Divide;
    return std::nullopt;
}

} // namespace

namespace HistoryLine {

QString header()
{
    return u"date\ttime\ttable\tmultiplicator\tsign\tanswer\tverdict\tms"_s;
}

QString format(const Answer &answer)
{
    const char *sign = answer.fact.sign == FactSign::Multiply ? "x" : "\xf7";
    // Written by hand: the locale's date formatting costs ten times as much.
    char fields[64];
    std::snprintf(fields, sizeof fields, "%04d-%02d-%02d\t%02d:%02d:%02d\t%d\t%d\t%s\t",
                  answer.date.year(), answer.date.month(), answer.date.day(), answer.time.hour(),
                  answer.time.minute(), answer.time.second(), answer.fact.table,
                  answer.fact.multiplicator, sign);
    return QString::fromLatin1(fields) + answer.given + u'\t' + Verdicts::word(answer.verdict) + u'\t'
           + QString::number(answer.milliseconds);
}

std::optional<Answer> parse(QByteArrayView line)
{
    if (line.size() > MaxLength)
        return std::nullopt;
    std::array<QByteArrayView, FieldCount> fields;
    int count = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != '\t')
            continue;
        if (count == FieldCount)
            return std::nullopt;
        fields[count++] = line.sliced(start, i - start);
        start = i + 1;
    }
    if (count != FieldCount)
        return std::nullopt;

    const auto date = triple(fields[0], '-', 4);
    const auto time = triple(fields[1], ':', 2);
    const auto table = number(fields[2], 2);
    const auto multiplicator = number(fields[3], 2);
    const auto factSign = sign(fields[4]);
    const auto verdict = Verdicts::fromWord(fields[6]);
    const auto milliseconds = number(fields[7], 7);
    const bool givenIsNumber = fields[5].isEmpty() || number(fields[5], 6);
    if (!date || !time || !table || !multiplicator || !factSign || !verdict || !milliseconds
        || !givenIsNumber || *milliseconds > MaxMilliseconds)
        return std::nullopt;

    Answer answer;
    answer.date = QDate((*date)[0], (*date)[1], (*date)[2]);
    answer.time = QTime((*time)[0], (*time)[1], (*time)[2]);
    answer.fact = {*table, *multiplicator, *factSign};
    answer.given = QString::fromLatin1(fields[5]);
    answer.verdict = *verdict;
    answer.milliseconds = *milliseconds;
    if (!answer.date.isValid() || !answer.time.isValid() || !answer.fact.isValid())
        return std::nullopt;
    return answer;
}

} // namespace HistoryLine
