#include "placement.h"

#include <QWidget>

#include "frame_extents.h"

namespace slcy {

void PlaceOverMainWindow(QWidget* dialog, QWidget* mainWindow) {
    if (!dialog || !mainWindow) return;
    const QSize outer = dialog->size().grownBy(WindowFrame(dialog));
    MoveOuterTo(dialog, PlaceOverMainWindow(OuterRect(mainWindow), mainWindow->height(), outer));
}

}  // namespace slcy
