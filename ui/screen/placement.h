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

// Moves `dialog` over `mainWindow` by the rule above, both measured by their outer rectangles
// (frame_extents.h), also before the dialog is first shown.
void PlaceOverMainWindow(QWidget* dialog, QWidget* mainWindow);

}  // namespace slcy
