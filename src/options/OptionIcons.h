#pragma once

#include <QPixmap>

// The pictures of the screen colour window's buttons, drawn in code so that
// they stay crisp at the size they are asked for (square, in pixels).
namespace OptionIcons {

QPixmap flip(int size);        // a gradient beside its reverse
QPixmap turn(int size);        // vertical bands beside horizontal bands
QPixmap thermometer(int size); // the time gauge's colour
QPixmap calculator(int size);  // the keypad's colour
QPixmap palette(int size);     // a painter's palette: a colour of one's own

} // namespace OptionIcons
