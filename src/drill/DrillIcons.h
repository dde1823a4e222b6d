#pragma once

#include <QPixmap>

// The pictures of the drill window's keypad and top bar, drawn in code so
// that they stay crisp at the size they are asked for (square, in pixels).
namespace DrillIcons {

QPixmap wasteBin(int size);
QPixmap camera(int size);
QPixmap ambulance(int size);
QPixmap backArrow(int size);
QPixmap bulb(int size);
QPixmap monitor(int size);
QPixmap questionMark(int size);
QPixmap stopwatch(int size);
QPixmap checkMark(int size);
QPixmap cross(int size);

} // namespace DrillIcons
