#include "placement.h"

#include <QPointer>
#include <QWidget>

#include "frame_extents.h"

namespace slcy {

void PlaceOverMainWindow(QWidget* dialog, QWidget* mainWindow) {
    if (!dialog || !mainWindow) return;
    // Placed again when the window manager tells the dialog's frame: the main window may be
    // gone by then.
    PlaceByOuterRect(dialog, [dialog, main = QPointer<QWidget>(mainWindow)](QMargins frame) {
        if (!main) return;
        MoveOuterTo(dialog,
                    PlaceOverMainWindow(OuterRect(main), main->height(),
                                        dialog->size().grownBy(frame)),
                    frame);
    });
}

}  // namespace slcy
