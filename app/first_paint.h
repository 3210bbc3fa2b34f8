// For timing the start-up (bench/startup.sh): with SLCY_QUIT_AFTER_FIRST_PAINT set, the program
// prints "first paint <nanoseconds since the epoch>" on standard output once the widget has
// been painted for the first time and its pixels have gone to the window system, then ends.
// The game and the bare window of the benchmark take the same reading.
#pragma once

class QWidget;

namespace slcy {

void QuitAfterFirstPaintIfAsked(QWidget* widget);

}  // namespace slcy
