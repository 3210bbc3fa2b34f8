// The yardstick for the whole program's start-up and memory: a bare Qt window of the game's
// client size, and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(500, 366);
    window.show();
    return QApplication::exec();
}
