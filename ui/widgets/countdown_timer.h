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

}  // namespace slcy
