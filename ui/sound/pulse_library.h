// The sound server's client library (libpulse), loaded by the sound output's own thread
// rather than by the system when the program starts. Linked, it and the eleven codec and
// helper libraries it brings with it would be mapped and relocated before the first line of
// the program runs: three milliseconds of every start-up, before the first window. The
// output's thread loads it while the main window is being built, in time for the first
// level's sound.
#pragma once

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>
#include <pulse/stream.h>

namespace slcy {

// The functions the game calls, each under its own name.
// clang-format off
#define SLCY_PULSE_FUNCTIONS(F)                                                               \
    F(pa_mainloop_new) F(pa_mainloop_free) F(pa_mainloop_get_api) F(pa_mainloop_iterate)      \
    F(pa_mainloop_wakeup) F(pa_context_new) F(pa_context_connect) F(pa_context_disconnect)    \
    F(pa_context_unref) F(pa_context_get_state) F(pa_context_set_state_callback)              \
    F(pa_context_errno) F(pa_stream_new) F(pa_stream_unref) F(pa_stream_get_state)            \
    F(pa_stream_set_state_callback) F(pa_stream_connect_playback) F(pa_stream_disconnect)     \
    F(pa_stream_get_sample_spec) F(pa_stream_write) F(pa_stream_trigger) F(pa_stream_drain)   \
    F(pa_operation_unref) F(pa_sample_spec_equal) F(pa_strerror)
// clang-format on

struct PulseLibrary {
#define SLCY_PULSE_POINTER(name) decltype(&::name) name = nullptr;
    SLCY_PULSE_FUNCTIONS(SLCY_PULSE_POINTER)
#undef SLCY_PULSE_POINTER

    // The library, loaded by the first call; nullptr, for good, where it is not installed or
    // lacks a function: the game is then silent, as without a sound server. A call made
    // while another thread loads it waits for that load.
    static const PulseLibrary* Get();
};

}  // namespace slcy
