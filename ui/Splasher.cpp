#include "Splasher.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include "AssetPaths.h"
#include "glyphs.h"

namespace slcy {

TSplash::TSplash(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint) {
    setFixedSize(200, 150);
    setModal(true);
    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, 200, 150);
    Image1->setPixmap(Picture(assets::kSplashPicture));
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);  // a click on the picture closes too

    Timer1 = new QTimer(this);
    Timer1->setInterval(3000);
    connect(Timer1, &QTimer::timeout, this, [this] { done(0); });
    Timer1->start();
}

void TSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
    done(0);
}

void TSplash::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    QDialog::showEvent(event);
}

}  // namespace slcy
