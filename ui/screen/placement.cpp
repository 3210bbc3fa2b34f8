#include "placement.h"

#include <QWidget>

#include "frame_extents.h"

namespace slcy {

void PlaceOverMainWindow(QWidget* dialog, QWidget* mainWindow) {
    if (!dialog || !mainWindow) return;
    const QMargins frame = WindowFrame(dialog);
    MoveOuterTo(dialog,
                PlaceOverMainWindow(OuterRect(mainWindow), mainWindow->height(),
                                    dialog->size().grownBy(frame)),
                frame);
}

}  // namespace slcy
