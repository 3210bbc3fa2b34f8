// Where a dialog stands over the main window: centred on it horizontally, and on its client
// area vertically.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace slcy {

// mainFrame is the main window's outer rectangle, dialogFrame the dialog's outer size.
// Integer division rounds toward zero, as the game always did.
constexpr QPoint PlaceOverMainWindow(QRect mainFrame, int mainClientHeight, QSize dialogFrame) {
    return {mainFrame.left() + (mainFrame.width() - dialogFrame.width()) / 2,
            mainFrame.top() + mainFrame.height() - (mainClientHeight + dialogFrame.height()) / 2};
}

// Moves `dialog` over `mainWindow` by the rule above. A dialog not yet shown has no frame of
// its own, so it is taken to have the main window's.
void PlaceOverMainWindow(QWidget* dialog, const QWidget* mainWindow);

}  // namespace slcy
