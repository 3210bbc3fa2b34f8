// The yardstick of the start-up and memory benchmarks: a bare Qt window of the main window's
// size that does nothing but appear. With SLCY_QUIT_AFTER_FIRST_PAINT set it reports its first
// paint and ends, as the game does.
#include <QApplication>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(500, 366);
    slcy::QuitAfterFirstPaintIfAsked(&window);
    window.show();
    return QApplication::exec();
}
