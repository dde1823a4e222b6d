#pragma once

#include "Mastery.h"

#include <QColor>
#include <QRectF>

class QPainter;

// How a mastery state looks: a colour and a symbol, so that the grids read
// without colour too.
namespace MasteryLook {

inline constexpr int StateCount = 5;

QColor fill(MasteryState state);

// Nothing for a fact not seen, a ring for learning, "!" for shaky, a tick
// for known and a star for mastered.
void drawSymbol(QPainter &painter, const QRectF &cell, MasteryState state);

} // namespace MasteryLook
