#include "modal_in_front.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformwindow.h>

namespace slcy {

namespace {
// A Wayland compositor lets no client raise a window, and Qt 6.4 asks for the focus only with
// an activation token it was handed at start-up (sway 1.7 would only mark the window urgent
// anyway). What every compositor does is put a window that is mapped in front of the others
// and give it the focus; so there the dialog's surface is unmapped and mapped again. Qt keeps
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
            &ModalDialogInFront::WindowActivated);
}

// Done once the window system has finished handing the focus to the clicked window, so that
// the dialog's raise comes after the main window's.
void ModalDialogInFront::WindowActivated(QWindow* window) {
    QWindow* modal = ModalDialogBlocking(window);
    if (!modal) return;
    QTimer::singleShot(0, modal, [modal] {
        if (!modal->isVisible() || QGuiApplication::modalWindow() != modal) return;
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            MapAgain(modal);
            return;
        }
        modal->raise();
        modal->requestActivate();
    });
}

}  // namespace slcy
