// The frame a window manager draws around a top-level window: its title bar and borders.
//
// Qt learns a window's frame only once the window manager has mapped it, too late to place
// the window by its outer rectangle without a visible jump. The window manager tells it
// earlier when asked (_NET_REQUEST_FRAME_EXTENTS): so a window can be placed by its outer
// rectangle before anyone sees it.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace slcy {

// The frame around `window` (a top-level widget) in Qt's pixels, asking the window manager
// and waiting briefly for its answer when the window has not been mapped yet. None where
// nothing draws a frame: no window manager, a manager that will not say, or no X at all
// (offscreen, Wayland), where a window is placed by its client rectangle.
QMargins WindowFrame(QWidget* window);

// The window's outer rectangle: its client rectangle with the frame around it.
QRect OuterRect(QWidget* window);

// Puts the window's outer rectangle's top-left corner at `outerTopLeft`, given its `frame`.
void MoveOuterTo(QWidget* window, QPoint outerTopLeft, QMargins frame);

}  // namespace slcy
