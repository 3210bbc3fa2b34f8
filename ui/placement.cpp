#include "placement.h"

#include <QWidget>

namespace slcy {

void PlaceOverMainWindow(QWidget* dialog, const QWidget* mainWindow) {
    if (!dialog || !mainWindow) return;
    const QRect main = mainWindow->frameGeometry();
    const QSize decoration = main.size() - mainWindow->size();
    QSize outer = dialog->frameGeometry().size();
    if (!dialog->isVisible() || outer == dialog->size()) outer = dialog->size() + decoration;
    dialog->move(PlaceOverMainWindow(main, mainWindow->height(), outer));
}

}  // namespace slcy
