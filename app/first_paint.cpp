#include "first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace slcy {

namespace {

class QuitAfterFirstPaint : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint || seen_) return false;
        seen_ = true;
        // Queued: the window's pixels are handed over once every widget has painted.
        QTimer::singleShot(0, qApp, [] {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("first paint %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
        return false;
    }

  private:
    bool seen_ = false;
};

}  // namespace

void QuitAfterFirstPaintIfAsked(QWidget* widget) {
    if (!qEnvironmentVariableIsSet("SLCY_QUIT_AFTER_FIRST_PAINT")) return;
    widget->installEventFilter(new QuitAfterFirstPaint(widget));
}

}  // namespace slcy
