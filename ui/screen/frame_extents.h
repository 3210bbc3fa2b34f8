// The frame a window manager draws around a top-level window: its title bar and borders.
//
// A manager tells the frame of a window it manages (_NET_FRAME_EXTENTS), and of one it has not
// mapped yet when asked (_NET_REQUEST_FRAME_EXTENTS): soon, late, or never, as a hung or
// minimal manager does. Nothing here waits for it. A window is placed with the frame known at
// that moment: its own, else the one the same manager drew around a window of its kind, in
// this run or an earlier one (learned_frames.h), else none. The manager's answer comes as an
// ordinary property event; when it shows another frame, the window is placed again, before its
// first paint.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <functional>

class QWidget;

namespace slcy {

// The frame around `window` (a top-level widget) in Qt's pixels, as known now, without waiting.
// None where nothing is known to draw one: no window manager, a manager that has never said,
// or no X at all (offscreen, Wayland). Then the window is measured by its client rectangle,
// which is all the game can know.
QMargins WindowFrame(QWidget* window);

// The window's outer rectangle: its client rectangle with the frame around it.
QRect OuterRect(QWidget* window);

// Puts the window's outer rectangle's top-left corner at `outerTopLeft`, given its `frame`.
void MoveOuterTo(QWidget* window, QPoint outerTopLeft, QMargins frame);

// False where the window system keeps a window's position from the program (Wayland): there
// a window learns neither where it stands nor can it choose.
bool PositionKnown();

// Calls `place` with WindowFrame(window) now and returns that frame. While the window's own
// frame is not known yet, asks the manager for it without waiting, and calls `place` again
// with the frame the manager tells of, if it differs. `place` may be called after this returns
// (never after `window` is gone): it must not hold anything that may go before the window.
QMargins PlaceByOuterRect(QWidget* window, std::function<void(QMargins)> place);

}  // namespace slcy
