// The one-second countdown timer. Switching it on while it runs keeps its period, so after a
// restart the first tick may come sooner than a second; switched off and on again it starts a
// full period.
#pragma once

#include <QTimer>

namespace slcy {

class CountdownTimer : public QTimer {
public:
    explicit CountdownTimer(QObject* parent) : QTimer(parent) {
        setInterval(1000);
        setTimerType(Qt::PreciseTimer);
    }
    void SetEnabled(bool enabled) {
        if (enabled && !isActive()) start();
        if (!enabled) stop();
    }
};

// The countdown stands still for as long as this lives, and runs again afterwards, whatever
// it did before: around a question, a file dialog or a help request.
class CountdownStopped {
public:
    explicit CountdownStopped(CountdownTimer& timer) : timer_(timer) { timer_.SetEnabled(false); }
    ~CountdownStopped() { timer_.SetEnabled(true); }
    CountdownStopped(const CountdownStopped&) = delete;
    CountdownStopped& operator=(const CountdownStopped&) = delete;

private:
    CountdownTimer& timer_;
};

}  // namespace slcy
