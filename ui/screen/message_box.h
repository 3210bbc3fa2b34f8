// A message box that stands in the middle of the main window's outer rectangle, or in the
// middle of the screen while the main window is not on it (at start-up). Qt centres a box
// before the box has its final size, and by a guess of the frame.
#pragma once

#include <QMessageBox>

namespace slcy {

class CentredMessageBox : public QMessageBox {
public:
    // `over`: the window to stand over once it is on the screen; may be null.
    CentredMessageBox(Icon icon, const QString& caption, const QString& text, QWidget* over);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* over_;
};

}  // namespace slcy
