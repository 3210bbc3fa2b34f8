// The yardstick of the start-up and memory benchmarks: a bare Qt window of the main window's
// size that does nothing but appear. With SLCY_QUIT_AFTER_FIRST_PAINT set it ends right after
// its first paint, as the game does.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {
class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        if (qEnvironmentVariableIsSet("SLCY_QUIT_AFTER_FIRST_PAINT"))
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
};
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BareWindow window;
    window.setFixedSize(500, 366);
    window.show();
    return QApplication::exec();
}
