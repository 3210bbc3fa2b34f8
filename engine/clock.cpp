#include "clock.h"

#include <chrono>
#include <thread>

namespace slcy {

std::uint64_t SystemClock::NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::Nap() { std::this_thread::sleep_for(std::chrono::microseconds(500)); }

void BusyWait(MonotonicClock& clock, std::uint32_t m) {
    const std::uint64_t start = clock.NowMs();
    while (clock.NowMs() <= start + m) clock.Nap();
}

}  // namespace slcy
