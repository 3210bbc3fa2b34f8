// One sound at a time on the sound server (PulseAudio, or PipeWire's server for its clients),
// from a thread of its own, so that the game never waits for a sound and a sound plays on
// while the game is busy. A request hands the whole clip to the server in one write; the
// server starts it at once and a new request cuts it off.
//
// However fast the requests come and however slowly the server answers, the output has at
// most one stream in the making and one going away on the server: a request made while a
// stream is being made waits for that stream, and one that waited too long is dropped.
//
// A missing server, one that goes away, stalls past libpulse's reply timeout or has no output
// device means silence, never a wait and never a message; a server that comes back is found
// again at the next request.
//
// The output loads the sound library and connects only once it is opened, by Open or by the
// first sound, so that a program that is starting does not share its processor time with it.
#pragma once

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

struct PulseLibrary;

class PulseOutput {
public:
    struct Listener {
        // Both are called on the output's thread.
        std::function<void(int clip)> started;  // the clip is with the server, playing
        // The server refused a clip. Once per output: a broken device must not interrupt
        // every move.
        std::function<void(const char* message)> failed;
    };

    // `clips` must outlive the output.
    PulseOutput(std::span<const Wave> clips, Listener listener);
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // From one thread (the user-interface thread); each returns at once and allocates nothing.
    void Open();          // loads the library and connects, ready for the first sound
    void Play(int clip);  // clip = index into `clips`; stops the sound playing; opens
    void Stop();

private:
    void Request(int clip);
    void Run();
    void ServeRequest();
    void StartWanted();
    void Connect();
    void ReleaseContext();
    void Start(int clip);
    void Write(int clip);
    void DropStream();
    void Fail(int error);
    static void OnContextState(pa_context* context, void* self);
    static void OnStreamState(pa_stream* stream, void* self);
    static void OnDrained(pa_stream* stream, int success, void* self);

    const std::span<const Wave> clips_;
    const Listener listener_;
    // Set by the output thread once it has loaded the library and made its loop; until then,
    // and for good where either failed, the requests wait unserved and no sound is heard.
    const PulseLibrary* lib_ = nullptr;
    std::atomic<pa_mainloop*> loop_{nullptr};  // published after lib_

    // The newest request, written by the requesting thread and read by the output thread:
    // a count of requests (upper bits) and the clip + 1 (lowest byte; 0: stop). Only the
    // newest matters, since each request cuts off the one before; the count tells a repeated
    // request from one already served.
    std::atomic<std::uint32_t> request_{0};
    std::uint32_t requests_made_ = 0;  // requesting thread only
    std::atomic<bool> opened_{false};  // the output thread waits for it before anything else
    std::atomic<bool> quit_{false};

    // Output thread only.
    std::uint32_t request_served_ = 0;
    pa_context* context_ = nullptr;
    bool context_lost_ = false;
    // A clip asked for and not yet written: it waits for the connection, or for the stream
    // being made, and is dropped once it is stale.
    int wanted_clip_ = -1;
    std::chrono::steady_clock::time_point wanted_since_;
    pa_stream* stream_ = nullptr;
    bool stream_playing_ = false;  // written to; otherwise still being made
    bool stream_done_ = false;     // drained, killed or failed: to be dropped
    bool failure_reported_ = false;

    std::thread thread_;  // last: starts when everything above is ready
};

}  // namespace slcy
