#pragma once

class QWidget;

namespace ScreenCentre {

// Puts a top-level window, frame included, in the middle of its screen's
// free area. Before a window is first shown its frame is not known yet; the
// frame of another window of the program, once it has been on screen, stands
// in for it. A maximised or full-screen window stays where it is.
void place(QWidget *window);

} // namespace ScreenCentre
