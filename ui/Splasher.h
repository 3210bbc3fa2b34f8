// The splash window: the title picture, without any frame, centred on the screen. Its timer
// runs from the moment it is made; every tick, and a click, closes it. So once shown it stays
// at most three seconds, less when start-up used part of the current interval.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QTimer>

namespace slcy {

class TSplash : public QDialog {
    Q_OBJECT
public:
    explicit TSplash(QWidget* mainWindow);

    QLabel* Image1;
    QTimer* Timer1;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

}  // namespace slcy
