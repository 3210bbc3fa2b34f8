#include "stall_probe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

namespace slcy {

void StartStallProbeIfAsked() {
    if (!qEnvironmentVariableIsSet("SLCY_STALL_PROBE")) return;
    auto* probe = new QTimer(qApp);  // goes with the application
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(probe, &QTimer::timeout, probe, [clock] {
        const qint64 gap = clock->nsecsElapsed();
        clock->start();
        if (gap >= 5'000'000) std::fprintf(stderr, "stall %.1f ms\n", static_cast<double>(gap) / 1e6);
    });
    QObject::connect(probe, &QObject::destroyed, [clock] { delete clock; });
    probe->start(0);
}

}  // namespace slcy
