#include "frame_extents.h"

#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>
#include <thread>

#include "x11.h"

namespace slcy {

namespace {

using x11::Reply;

// How long a window manager may take to answer; it usually does within a millisecond.
constexpr auto kAnswerWait = std::chrono::milliseconds(250);

std::optional<QMargins> ReadExtents(xcb_connection_t* c, xcb_window_t window, xcb_atom_t extents) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    // left, right, top, bottom
    return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                    static_cast<int>(v[3]));
}

xcb_window_t WindowProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4)
        return XCB_WINDOW_NONE;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

// A running window manager keeps a window of its own named on the root window, which names
// itself back; a manager that has gone leaves a name without that window.
bool WindowManagerRuns(xcb_connection_t* c, xcb_window_t root) {
    const xcb_atom_t check = x11::Atom(c, "_NET_SUPPORTING_WM_CHECK");
    const xcb_window_t own = WindowProperty(c, root, check);
    return own != XCB_WINDOW_NONE && WindowProperty(c, own, check) == own;
}

bool WindowManagerSupports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t what) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, x11::Atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 1024),
        nullptr));
    if (!reply || reply->format != 32) return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, what) != atoms + count;
}

void RequestExtents(xcb_connection_t* c, xcb_window_t root, xcb_window_t window,
                    xcb_atom_t request) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

// The window system counts in device pixels, Qt's geometry in device-independent ones.
QMargins InQtPixels(QMargins m, qreal ratio) {
    auto scaled = [ratio](int v) { return static_cast<int>(std::lround(v / ratio)); };
    return {scaled(m.left()), scaled(m.top()), scaled(m.right()), scaled(m.bottom())};
}

}  // namespace

QMargins WindowFrame(QWidget* window) {
    xcb_connection_t* c = x11::Connection();
    if (!c || !window || !window->isWindow()) return {};
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t extents = x11::Atom(c, "_NET_FRAME_EXTENTS");
    std::optional<QMargins> frame = ReadExtents(c, id, extents);
    if (!frame) {
        const x11::Screen screen = x11::DisplayScreen(c);
        const xcb_atom_t request = x11::Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
        if (!screen.screen || !WindowManagerRuns(c, screen.screen->root) ||
            !WindowManagerSupports(c, screen.screen->root, request))
            return {};
        RequestExtents(c, screen.screen->root, id, request);
        const auto deadline = std::chrono::steady_clock::now() + kAnswerWait;
        while (!(frame = ReadExtents(c, id, extents)) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (!frame) return {};
    }
    return InQtPixels(*frame, window->devicePixelRatioF());
}

QRect OuterRect(QWidget* window) {
    return window->geometry().marginsAdded(WindowFrame(window));
}

// A top-level widget's geometry is its client rectangle, whatever Qt knows of its frame.
void MoveOuterTo(QWidget* window, QPoint outerTopLeft, QMargins frame) {
    window->setGeometry(QRect(outerTopLeft + QPoint(frame.left(), frame.top()), window->size()));
}

}  // namespace slcy
