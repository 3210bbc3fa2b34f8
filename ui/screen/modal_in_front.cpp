#include "modal_in_front.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformwindow.h>

namespace slcy {

namespace {
bool OnX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }
bool OnWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

// The X server is XWayland, which names its screens after itself: there the Wayland compositor
// places the windows, and it need not honour an X client's raise or request for the focus
// (sway 1.7 ignores the one and turns the other into an "urgent" mark).
bool OnXWayland(const QWindow* window) {
    return OnX11() && window->screen() &&
           window->screen()->name().startsWith(QLatin1String("XWAYLAND"));
}

// A Wayland compositor lets no client raise a window, and Qt 6.4 asks for the focus only with
// an activation token it was handed at start-up (sway 1.7 would only mark the window urgent
// anyway). What every compositor does is put a window that is mapped in front of the others
// and give it the focus; so there the dialog's surface is unmapped and mapped again, and under
// XWayland its X window likewise (withdrawn, with the notice the window manager expects, then
// mapped: the manager reads the two in order, so no wait between them is needed). Qt keeps
// the dialog shown (its modal loop runs on) and draws it anew on the new surface.
void MapAgain(QWindow* modal) {
    QPlatformWindow* native = modal->handle();
    if (!native) return;
    native->setVisible(false);
    native->setVisible(true);
    if (QWidget* dialog = QApplication::activeModalWidget()) dialog->update();
}
}  // namespace

QWindow* ModalDialogBlocking(QWindow* window) {
    QWindow* modal = QGuiApplication::modalWindow();
    if (!window || !modal) return nullptr;
    for (QWindow* w = window; w; w = w->transientParent())
        if (w == modal) return nullptr;
    return modal;
}

ModalDialogInFront::ModalDialogInFront() {
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &ModalDialogInFront::FocusChanged);
    if (OnX11()) qApp->installNativeEventFilter(this);
}

// On X, Qt passes the focus that the window manager gives a blocked window straight on to its
// dialog (it asks for it and nothing more), so the application never sees the blocked window
// become active: its focus is caught here, before Qt handles it.
bool ModalDialogInFront::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_FOCUS_IN) return false;
    const auto* focus = static_cast<const xcb_focus_in_event_t*>(message);
    // Sent only because the pointer is over the window; Qt ignores it too.
    if (focus->detail == XCB_NOTIFY_DETAIL_POINTER) return false;
    for (QWindow* window : QGuiApplication::topLevelWindows())
        if (window->handle() && window->handle()->winId() == focus->event)
            WindowActivated(window);
    return false;
}

void ModalDialogInFront::FocusChanged(QWindow* now) {
    QWindow* modal = QGuiApplication::modalWindow();
    if (!modal)
        modal_in_front_ = nullptr;
    else if (now == modal)
        modal_in_front_ = modal;
    WindowActivated(now);
}

// Done once the window system has finished handing the focus to the clicked window, so that
// the dialog's raise comes after the main window's. A dialog is mapped anew only once the
// compositor has put it in front since it was last mapped. Until then the blocked window's
// activation is the focus passing by: the window before the dialog closed, the dialog's own
// new mapping unmapped it for a moment, or the activation was still on its way when the dialog
// was shown. The dialog comes in front anyway as it maps, and mapping it anew then would only
// make it flicker, again and again, as each unmapping hands the focus back.
void ModalDialogInFront::WindowActivated(QWindow* window) {
    QWindow* modal = ModalDialogBlocking(window);
    if (!modal) return;
    if (OnWayland() || OnXWayland(modal)) {
        if (modal_in_front_ != modal) return;
        modal_in_front_ = nullptr;
    }
    QTimer::singleShot(0, modal, [modal] {
        if (!modal->isVisible() || QGuiApplication::modalWindow() != modal) return;
        if (OnWayland() || OnXWayland(modal)) {
            MapAgain(modal);
            return;
        }
        modal->raise();
        modal->requestActivate();
    });
}

}  // namespace slcy
