// The game's four sounds as unsigned 8-bit mono samples.
#pragma once

#include <cstdint>
#include <vector>

namespace soundgen {

struct Sound {
    int rate;
    std::vector<std::uint8_t> samples;
};

// Water reaching or leaving pipes: quiet, even bubbling. 22050 Hz, 19406 samples.
Sound Water();
// A solved level: half a second of silence, then a low tone rising and fading. 11025 Hz,
// 34265 samples.
Sound Solved();
// A click on a dry piece: a short dull knock. 11025 Hz, 2298 samples.
Sound Refused();
// Time ran out: a hiss falling into a low tone that dies away. 11025 Hz, 25246 samples.
Sound Timeout();

}  // namespace soundgen
