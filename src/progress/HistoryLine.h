#pragma once

#include "Answer.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// One line of the history file sys/history.txt: the fields of one answer
// separated by tabs, so that a spreadsheet opens the file as a table.
//
//   date        time      table  multiplicator  sign  answer  verdict  ms
//   2026-03-14  16:05:09  7      8              x     56      right    1830
//
// The sign is "x" or "÷" (":" is read too); the answer holds the digits typed,
// empty when none were; the verdict is one of right, wrong, late-right,
// late-wrong, time-up, revealed; ms is the response time in milliseconds.
// The file starts with a line naming the columns.
namespace HistoryLine {

// The longest line that can be an answer; longer lines are damaged.
inline constexpr int MaxLength = 80;
// Response times above this (an hour) are damaged.
inline constexpr int MaxMilliseconds = 3600 * 1000;

QString header();
QString format(const Answer &answer);

// None for a line that is not an answer: the header, a damaged or truncated
// line, a fact outside the tables 1 to 12, a negative or huge time.
std::optional<Answer> parse(QByteArrayView line);

} // namespace HistoryLine
