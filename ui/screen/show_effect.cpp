#include "show_effect.h"

#include "x11.h"

#include <QGuiApplication>
#include <QScreen>
#include <chrono>
#include <cstdlib>
#include <optional>

namespace slcy {

namespace {

constexpr int kSteps = 40;
// One drawing every 10 microseconds: 40 to grow, 40 to erase, under a millisecond in all, as
// long as the game's busy loop of 30,000 empty turns a step takes on a computer of today. A
// screen refreshed 60 times a second shows a frame every 16.7 ms, so the entrance is seen as
// it always was, in at most one frame; it runs on the user-interface thread just before the
// window is mapped, so every millisecond of it is a millisecond later start. The steps are
// timed by watching the clock, as the game always timed them by a busy loop: a sleep this short
// wakes up a tenth of a millisecond or more late, which would stretch the whole tenfold.
constexpr auto kStepInterval = std::chrono::microseconds(10);

using x11::Reply;

// A compositing manager owns the selection _NET_WM_CM_S<screen> while it runs. It draws the
// screen from the windows' own buffers, so what is drawn on the root window would not show.
bool CompositorRuns(xcb_connection_t* c, int screen_number) {
    const xcb_atom_t selection =
        x11::Atom(c, "_NET_WM_CM_S" + QByteArray::number(screen_number), /*onlyIfExists=*/true);
    if (selection == XCB_ATOM_NONE) return false;  // never claimed since the server started
    const Reply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr));
    return !owner || owner->owner != XCB_WINDOW_NONE;
}

// Where the pointer is on the screen, or nothing when it is on another screen.
std::optional<QPoint> PointerOn(xcb_connection_t* c, xcb_query_pointer_cookie_t asked) {
    const Reply<xcb_query_pointer_reply_t> pointer(xcb_query_pointer_reply(c, asked, nullptr));
    if (!pointer || !pointer->same_screen) return std::nullopt;
    return QPoint(pointer->root_x, pointer->root_y);
}

// The window system's pixels of a rectangle in Qt's device-independent pixels. Exact for a
// screen whose logical and native top-left corners coincide, as the first screen's do.
QRect NativeRect(QRect logical) {
    const QScreen* screen = QGuiApplication::screenAt(logical.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    if (ratio == 1.0) return logical;
    const QPoint origin = screen->geometry().topLeft();
    const QPointF topLeft = origin + QPointF(logical.topLeft() - origin) * ratio;
    return QRectF(topLeft, QSizeF(logical.size()) * ratio).toRect();
}

// The rectangle of step i (1..steps), interpolated linearly from the point to the target.
QRect ExplodingRectangleStep(QPoint from, QRect to, int i, int steps) {
    auto lerp = [&](int a, int b) { return a + (b - a) * i / steps; };
    return QRect(QPoint(lerp(from.x(), to.left()), lerp(from.y(), to.top())),
                 QPoint(lerp(from.x(), to.right()), lerp(from.y(), to.bottom())));
}

void DrawStepsOnRoot(xcb_connection_t* c, xcb_window_t root, QPoint from, QRect to) {
    // Inverting pixels (drawn twice, a pixel is as before), through every window on the root
    // window, one pixel on and one off along the outline.
    const xcb_gcontext_t gc = xcb_generate_id(c);
    const uint32_t values[] = {XCB_GX_INVERT, XCB_LINE_STYLE_ON_OFF_DASH,
                               XCB_SUBWINDOW_MODE_INCLUDE_INFERIORS};
    xcb_create_gc(c, gc, root, XCB_GC_FUNCTION | XCB_GC_LINE_STYLE | XCB_GC_SUBWINDOW_MODE, values);
    const uint8_t dotted[] = {1};
    xcb_set_dashes(c, gc, 0, 1, dotted);

    // Each drawing has its own moment, so that a late one does not lengthen the whole.
    auto moment = std::chrono::steady_clock::now();
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 1; i <= kSteps; ++i) {
            moment += kStepInterval;
            while (std::chrono::steady_clock::now() < moment) {
            }
            const QRect r = ExplodingRectangleStep(from, to, i, kSteps);
            // An X outline covers width + 1 by height + 1 pixels.
            const xcb_rectangle_t outline{static_cast<int16_t>(r.x()), static_cast<int16_t>(r.y()),
                                          static_cast<uint16_t>(r.width() - 1),
                                          static_cast<uint16_t>(r.height() - 1)};
            xcb_poly_rectangle(c, root, gc, 1, &outline);
            xcb_flush(c);
        }
    }
    // No reply awaited: the server draws and erases everything before it maps the window, which
    // is asked for after this on the same connection.
    xcb_free_gc(c, gc);
}

}  // namespace

void PlayExplodingRectangles(QRect target) {
    // An X server of a Wayland session draws its root window nowhere.
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) return;
    xcb_connection_t* c = x11::Connection();
    if (!c) return;
    const x11::Screen screen = x11::DisplayScreen(c);
    if (!screen.screen) return;
    // Asked first, answered in the same round trip as the question about a compositor.
    const xcb_query_pointer_cookie_t pointer = xcb_query_pointer(c, screen.screen->root);
    if (CompositorRuns(c, screen.number)) {
        xcb_discard_reply(c, pointer.sequence);
        return;
    }
    const QRect to = NativeRect(target);
    const QPoint from = PointerOn(c, pointer).value_or(to.center());
    DrawStepsOnRoot(c, screen.screen->root, from, to);
}

}  // namespace slcy
