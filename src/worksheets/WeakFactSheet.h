#pragma once

#include "Answer.h"
#include "Fact.h"

#include <QDate>
#include <QList>

#include <optional>

// What a worksheet of the weak facts is drawn from.
namespace WeakFactSheet {

// Fewer weak facts than this make too small a sheet: the ticked tables
// stand in for them.
inline constexpr int MinWeakFacts = 12;

// The weak facts of the history with their families; none when the history
// holds fewer than MinWeakFacts weak facts.
std::optional<QList<Fact>> facts(const QList<Answer> &answers, QDate today);

} // namespace WeakFactSheet
