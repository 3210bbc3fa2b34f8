// One sound at a time on the sound server (PulseAudio, or PipeWire's server for its clients),
// from a thread of its own, so that the game never waits for a sound and a sound plays on
// while the game is busy. A request hands the whole clip to the server in one write; the
// server starts it at once and a new request cuts it off.
//
// A missing server, one that goes away, or one without an output device means silence, never
// a wait; a server that comes back is found again at the next request.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <thread>

#include "wave.h"

struct pa_context;
struct pa_mainloop;
struct pa_stream;

namespace slcy {

class PulseOutput {
public:
    struct Listener {
        // Both are called on the output's thread.
        std::function<void(int clip)> started;  // the clip is with the server, playing
        std::function<void(const char* message)> failed;  // the server refused the clip
    };

    // `clips` must outlive the output.
    PulseOutput(std::span<const Wave> clips, Listener listener);
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // From one thread (the user-interface thread); each returns at once and allocates nothing.
    void Play(int clip);  // clip = index into `clips`; stops the sound playing
    void Stop();

private:
    void Request(int clip);
    void Run();
    void ServeRequests();
    void Serve(int clip);
    void Connect();
    void ReleaseContext();
    void Start(int clip);
    void DropStream();
    void Fail(int error);
    static void OnContextState(pa_context* context, void* self);
    static void OnStreamState(pa_stream* stream, void* self);
    static void OnDrained(pa_stream* stream, int success, void* self);

    const std::span<const Wave> clips_;
    const Listener listener_;
    pa_mainloop* const loop_;

    // Requests in the order they were made: a ring written by the requesting thread and read
    // by the output thread, each slot a clip (-1: stop). An output that fell a whole ring
    // behind serves only the newest requests.
    static constexpr std::uint32_t kRequestSlots = 16;
    std::array<std::atomic<int>, kRequestSlots> requests_{};
    std::atomic<std::uint32_t> requests_made_{0};
    std::atomic<bool> quit_{false};

    // Output thread only.
    std::uint32_t requests_served_ = 0;
    pa_context* context_ = nullptr;
    bool context_lost_ = false;
    int waiting_clip_ = -1;  // asked for while the connection was being made
    std::chrono::steady_clock::time_point waiting_since_;
    pa_stream* stream_ = nullptr;
    int stream_clip_ = -1;
    bool stream_done_ = false;

    std::thread thread_;  // last: starts when everything above is ready
};

}  // namespace slcy
