// The yardstick of the start-up benchmark: a bare Qt window of the main window's size that
// does nothing but appear. Ends right after its first paint, as the game does with
// SLCY_QUIT_AFTER_FIRST_PAINT.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {
class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
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
