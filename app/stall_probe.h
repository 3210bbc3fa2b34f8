// For measuring how long the event loop stands still: with SLCY_STALL_PROBE set, a timer of
// zero interval, which fires whenever the loop is free, notes every gap between two firings
// of 5 ms or more on standard error as "stall <ms> ms". bench/startup.sh reads these lines.
#pragma once

namespace slcy {

// Starts the probe when SLCY_STALL_PROBE is set; it runs until the application ends.
void StartStallProbeIfAsked();

}  // namespace slcy
