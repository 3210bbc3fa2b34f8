#include "frame_extents.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "learned_frames.h"
#include "x11.h"

namespace slcy {

namespace {

using x11::Reply;

std::optional<QMargins> ReadExtents(xcb_connection_t* c, xcb_window_t window) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c,
        xcb_get_property(c, 0, window, x11::Atom(c, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 0,
                         4),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    // left, right, top, bottom
    return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                    static_cast<int>(v[3]));
}

xcb_get_property_cookie_t AskProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                                      xcb_atom_t type, uint32_t length) {
    return xcb_get_property(c, 0, window, property, type, 0, length);
}

Reply<xcb_get_property_reply_t> Answer(xcb_connection_t* c, xcb_get_property_cookie_t asked) {
    return Reply<xcb_get_property_reply_t>(xcb_get_property_reply(c, asked, nullptr));
}

xcb_get_property_cookie_t AskWindowProperty(xcb_connection_t* c, xcb_window_t window,
                                            xcb_atom_t property) {
    return AskProperty(c, window, property, XCB_ATOM_WINDOW, 1);
}

xcb_window_t WindowAnswer(xcb_connection_t* c, xcb_get_property_cookie_t asked) {
    const auto reply = Answer(c, asked);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4)
        return XCB_WINDOW_NONE;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

// A running window manager keeps a window of its own named on the root window, which names
// itself back (a manager that has gone leaves a name without that window), and gives it its
// name. An empty name: no manager.
QString WindowManager(xcb_connection_t* c, xcb_window_t root) {
    const xcb_atom_t check = x11::Atom(c, "_NET_SUPPORTING_WM_CHECK");
    const xcb_window_t own = WindowAnswer(c, AskWindowProperty(c, root, check));
    if (own == XCB_WINDOW_NONE) return {};
    // Asked together; the name is thrown away when the window does not name itself back.
    const xcb_get_property_cookie_t namesItself = AskWindowProperty(c, own, check);
    const xcb_get_property_cookie_t askedName =
        AskProperty(c, own, x11::Atom(c, "_NET_WM_NAME"), x11::Atom(c, "UTF8_STRING"), 256);
    if (WindowAnswer(c, namesItself) != own) {
        xcb_discard_reply(c, askedName.sequence);
        return {};
    }
    const auto name = Answer(c, askedName);
    QString text = name && name->format == 8
                       ? QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(name.get())),
                                           xcb_get_property_value_length(name.get()))
                       : QString();
    text.replace(u'\n', u' ');
    return text.isEmpty() ? QStringLiteral("unnamed") : text;
}

xcb_get_property_cookie_t AskSupported(xcb_connection_t* c, xcb_window_t root) {
    return AskProperty(c, root, x11::Atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 1024);
}

bool Supports(xcb_connection_t* c, xcb_get_property_cookie_t supported, xcb_atom_t what) {
    const auto reply = Answer(c, supported);
    if (!reply || reply->format != 32) return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, what) != atoms + count;
}

// Sent, not waited for: the answer, if any, is a PropertyNotify like any other.
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

// Managers draw dialogs with a frame of their own, often the same as the main window's.
QString KindOf(const QWidget* window) {
    return window->windowType() == Qt::Dialog ? QStringLiteral("dialog")
                                              : QStringLiteral("window");
}

struct Known {
    QMargins frame;  // in the window system's pixels
    bool own = false;  // the window's own, told by the manager
};

// What is known of the window's frame now: its own, else the manager's frame for its kind (a
// dialog's, else the main window's), else none.
Known FrameOf(xcb_connection_t* c, QWidget* window, const QString& manager) {
    const auto id = static_cast<xcb_window_t>(window->winId());
    if (const std::optional<QMargins> own = ReadExtents(c, id)) {
        LearnFrame(manager, KindOf(window), *own);
        return {*own, true};
    }
    if (manager.isEmpty()) return {};
    if (const auto learned = LearnedFrame(manager, KindOf(window))) return {*learned, false};
    if (const auto main = LearnedFrame(manager, QStringLiteral("window"))) return {*main, false};
    return {};
}

// Windows placed before their manager said what frame it draws, each with what places it
// again once it does. The manager's answer is a PropertyNotify on the window, which Qt, having
// asked for property events of its windows, passes through here first.
class FrameAnswers : public QAbstractNativeEventFilter {
public:
    static FrameAnswers& Instance() {
        static FrameAnswers* answers = [] {
            auto* a = new FrameAnswers;  // lives as long as the application
            QCoreApplication::instance()->installNativeEventFilter(a);
            return a;
        }();
        return *answers;
    }

    void Await(QWidget* window, QMargins used, std::function<void(QMargins)> place) {
        const auto id = static_cast<xcb_window_t>(window->winId());
        std::erase_if(waiting_, [id](const Waiting& w) { return w.id == id || !w.window; });
        waiting_.push_back({id, window, used, std::move(place)});
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t" || waiting_.empty()) return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) return false;
        const auto* property = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        xcb_connection_t* c = x11::Connection();
        if (!c || property->state != XCB_PROPERTY_NEW_VALUE ||
            property->atom != x11::Atom(c, "_NET_FRAME_EXTENTS"))
            return false;
        const auto it = std::find_if(waiting_.begin(), waiting_.end(), [&](const Waiting& w) {
            return w.id == property->window;
        });
        if (it == waiting_.end()) return false;
        const Waiting answered = std::move(*it);
        waiting_.erase(it);
        if (answered.window) {
            const QMargins frame = WindowFrame(answered.window);  // also learns it
            if (frame != answered.used) answered.place(frame);
        }
        return false;  // Qt's own handling of the property goes on
    }

private:
    struct Waiting {
        xcb_window_t id;
        QPointer<QWidget> window;
        QMargins used;
        std::function<void(QMargins)> place;
    };
    std::vector<Waiting> waiting_;
};

// The manager's name, asked once: the cache of frames is kept per manager.
const QString& ManagerName(xcb_connection_t* c, xcb_window_t root) {
    static const QString name = [c, root] {
        // The first question of a run: the atoms of every later one are asked for with it.
        x11::InternAtoms(c, {"_NET_SUPPORTING_WM_CHECK", "_NET_WM_NAME", "UTF8_STRING",
                             "_NET_FRAME_EXTENTS", "_NET_REQUEST_FRAME_EXTENTS", "_NET_SUPPORTED"});
        return WindowManager(c, root);
    }();
    return name;
}

}  // namespace

QMargins WindowFrame(QWidget* window) {
    xcb_connection_t* c = x11::Connection();
    if (!c || !window || !window->isWindow()) return {};
    const x11::Screen screen = x11::DisplayScreen(c);
    if (!screen.screen) return {};
    const Known known = FrameOf(c, window, ManagerName(c, screen.screen->root));
    return InQtPixels(known.frame, window->devicePixelRatioF());
}

bool PositionKnown() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QRect OuterRect(QWidget* window) {
    return window->geometry().marginsAdded(WindowFrame(window));
}

// A top-level widget's geometry is its client rectangle, whatever Qt knows of its frame.
void MoveOuterTo(QWidget* window, QPoint outerTopLeft, QMargins frame) {
    window->setGeometry(QRect(outerTopLeft + QPoint(frame.left(), frame.top()), window->size()));
}

QMargins PlaceByOuterRect(QWidget* window, std::function<void(QMargins)> place) {
    xcb_connection_t* c = x11::Connection();
    const x11::Screen screen = c ? x11::DisplayScreen(c) : x11::Screen{};
    if (!window || !window->isWindow() || !screen.screen) {
        place({});
        return {};
    }
    const xcb_window_t root = screen.screen->root;
    const QString& manager = ManagerName(c, root);
    // Asked before the frame, and answered with it.
    const xcb_get_property_cookie_t supported = AskSupported(c, root);
    const Known known = FrameOf(c, window, manager);
    const QMargins frame = InQtPixels(known.frame, window->devicePixelRatioF());
    place(frame);
    const xcb_atom_t request = x11::Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    const bool mayAsk = !known.own && !manager.isEmpty();
    if (!mayAsk) xcb_discard_reply(c, supported.sequence);
    if (mayAsk && Supports(c, supported, request)) {
        FrameAnswers::Instance().Await(window, frame, std::move(place));
        RequestExtents(c, root, static_cast<xcb_window_t>(window->winId()), request);
    }
    return frame;
}

}  // namespace slcy
