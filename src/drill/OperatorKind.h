#pragma once

#include <QString>

#include <optional>

// The operator choice of the drill, in the order of the operator lists.
enum class OperatorKind { Multiply = 0, Divide = 1, Alternate = 2, Random = 3 };

namespace OperatorKinds {

inline constexpr int Count = 4;

// The kind of a list index; none for -1 (no selection) or any other index.
std::optional<OperatorKind> fromIndex(int index);

// The list index that a stored `Operation` value selects: -1 for a value
// that is not a whole number or names no entry. A missing value is "0".
int indexFromStored(const QString &storedText);

// ":" for French and German, "÷" for every other language.
QString divisionSign(const QString &languageCode);

} // namespace OperatorKinds
