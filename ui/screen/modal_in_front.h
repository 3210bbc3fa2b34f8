// A modal dialog is never lost behind the window it blocks. The dialogs are children of the
// main window, so they stand above it (their transient parent); but a window manager or a
// compositor may still raise the main window over its dialog when the player clicks it (sway,
// native and XWayland). The blocked window then takes no mouse or key, and the player, who
// cannot see the dialog, is stuck. So whenever a window blocked by a modal dialog becomes
// active, the dialog is brought back to the front: raised and asked to become the active
// window again (X11 with a window manager of its own), or mapped anew (Wayland and XWayland,
// where the compositor honours nothing else).
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>
#include <QWindow>

namespace slcy {

// Watches the application's active window for as long as it lives; one is enough.
class ModalDialogInFront : public QObject, public QAbstractNativeEventFilter {
public:
    ModalDialogInFront();

    // Sees the X server's focus events: there Qt never makes a blocked window the active one.
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void FocusChanged(QWindow* now);
    void WindowActivated(QWindow* window);

    // The modal dialog the compositor has put in front since it was last mapped (Wayland and
    // XWayland).
    QPointer<QWindow> modal_in_front_;
};

// The window the active modal dialog blocks, if `window` is one; nullptr for the dialog itself
// and for windows that belong to it (its own pop-ups, a dialog it opened).
QWindow* ModalDialogBlocking(QWindow* window);

}  // namespace slcy
