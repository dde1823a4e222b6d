#pragma once

#include "Fact.h"
#include "ProgressModel.h"

#include <QList>
#include <QString>
#include <QStringList>

// The facts to work on, and the operations that drill them.
namespace WeakFacts {

inline constexpr int MaxDrillOperations = 20;

// The shaky and learning facts: the most recent errors first, then those
// without an error, the most recently tried first.
QList<Fact> select(const ProgressModel &model);

// The fact and its relatives: 8 x 7 brings 7 x 8, 56 ÷ 7 and 56 ÷ 8, whichever
// of them the fact is; a square has two.
QList<Fact> family(const Fact &fact);

// The families of the weak facts in their order, each operation once.
QList<Fact> withFamilies(const QList<Fact> &weak);

// The operations of a drill of the weak facts: whole families in their
// order, as many as fit in `max`.
QList<Fact> drill(const ProgressModel &model, int max = MaxDrillOperations);

// An operation as the drill's record list holds it: "8x7", "56÷7".
QString recordLine(const Fact &fact, const QString &divisionSign);
QStringList recordLines(const QList<Fact> &facts, const QString &divisionSign);

} // namespace WeakFacts
