#pragma once

#include <QPixmap>

#include <functional>

class QPainter;

// Draws a square picture on a 32 by 32 grid, scaled to the size asked for
// and to the screen's pixel ratio, so that it stays crisp at any size.
QPixmap drawIcon(int size, const std::function<void(QPainter &)> &paint);
