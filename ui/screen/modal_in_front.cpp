#include "modal_in_front.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace slcy {

QWindow* ModalDialogBlocking(QWindow* window) {
    QWindow* modal = QGuiApplication::modalWindow();
    if (!window || !modal) return nullptr;
    for (QWindow* w = window; w; w = w->transientParent())
        if (w == modal) return nullptr;
    return modal;
}

ModalDialogInFront::ModalDialogInFront() {
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &ModalDialogInFront::WindowActivated);
}

// Asked for once the window system has finished handing the focus to the clicked window, so
// that the dialog's raise comes after the main window's. Wayland lets a client raise nothing:
// there the request to become active (through xdg-activation where the compositor offers it)
// is what brings the dialog forward.
void ModalDialogInFront::WindowActivated(QWindow* window) {
    QWindow* modal = ModalDialogBlocking(window);
    if (!modal) return;
    QTimer::singleShot(0, modal, [modal] {
        if (!modal->isVisible() || QGuiApplication::modalWindow() != modal) return;
        modal->raise();
        modal->requestActivate();
    });
}

}  // namespace slcy
