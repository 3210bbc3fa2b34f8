// Where the rules window opens: beside the window that asked for it, so that the player reads
// the rules and sees the board at once; on the right where there is room for the whole
// window, else on the left, else on the roomier side if a narrower window still reads well
// there; where neither side has that much room, over the middle of the asking window. The
// window lies wholly on the screen's free area in every case, made smaller where the screen
// is smaller than it.
#pragma once

#include <QRect>
#include <QSize>

namespace slcy {

// The narrowest the rules still read well beside the game: the widest picture with a margin.
inline constexpr int kNarrowestRulesWidth = 400;

// anchor: the asking window's outer rectangle; wanted: the rules window's outer size; area:
// the free area of the screen the asking window is on. Gives the rules window's outer
// rectangle.
QRect RulesWindowRect(QRect anchor, QSize wanted, QRect area);

}  // namespace slcy
