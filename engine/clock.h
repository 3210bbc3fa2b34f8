// The millisecond clock that animation pauses are measured on.
#pragma once

#include <cstdint>

namespace slcy {

class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    // Milliseconds since some fixed moment; never goes backwards.
    virtual std::uint64_t NowMs() = 0;
    // Gives the processor away for at most a millisecond while a wait goes on.
    virtual void Nap() = 0;
};

// The real clock: steady_clock, napping by a short sleep.
class SystemClock final : public MonotonicClock {
public:
    std::uint64_t NowMs() override;
    void Nap() override;
};

// Pauses for m milliseconds without handling any event: nothing else happens in the game
// until the wait is over, which is what makes each animation frame stand on the screen for
// its moment. Input that arrives meanwhile is handled afterwards, in order.
void BusyWait(MonotonicClock& clock, std::uint32_t m);

}  // namespace slcy
