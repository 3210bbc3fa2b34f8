// The main window's entrance: 40 dotted rectangles, drawn by inverting the screen's pixels,
// grow from the mouse pointer to the window's outer rectangle and stay as they accumulate;
// then the same 40 are drawn again in the same order, which erases them.
#pragma once

#include <QRect>

namespace slcy {

// Plays the effect on the X11 root window, in under a millisecond, before the
// caller's window is mapped. It is skipped wherever the screen's own pixels cannot be drawn
// on: any platform but xcb (offscreen, Wayland), an X server under Wayland, and an X screen
// run by a compositing manager (one owns the selection _NET_WM_CM_S<screen>), which would
// neither show nor erase what is drawn on the root window.
void PlayExplodingRectangles(QRect target);

}  // namespace slcy
