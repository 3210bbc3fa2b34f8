// The pixels of a window, made ready before its first paint.
//
// A window is painted into memory that the window system reads from; the main window's is some
// hundred and eighty pages. Its first paint would touch each of them for the first time, one
// by one, and each first touch is a trip into the kernel (on a virtual machine, tens of
// microseconds). Asked for at once, while the window manager is still framing the window, they
// cost a fraction of that, and the first paint only draws.
#pragma once

class QWidget;

namespace slcy {

// Call once the window has been shown, before it is first painted: its backing store is sized
// as the first paint would size it, and its pages are made resident for writing. Nothing is
// done where the platform has no pixels to hand before the paint (Wayland).
void PrepareBackingStore(QWidget& window);

}  // namespace slcy
