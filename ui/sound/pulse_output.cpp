#include "pulse_output.h"

#include <algorithm>

#include "pulse_library.h"

namespace slcy {

namespace {

// A request that waited longer than this for the connection or for its stream is dropped: a
// sound heard late is worse than none.
constexpr auto kStaleRequest = std::chrono::milliseconds(200);

// After the loop itself failed (its poll), the pause before it waits again, so that a fault
// that lasts does not keep a core busy.
constexpr auto kPauseAfterLoopError = std::chrono::milliseconds(50);

// The errors that mean the server refused the clip itself. Every other error means "nothing
// to play on" (no server, no device, a server that went away, was killed or stopped
// answering): silence, no message.
bool RefusesTheClip(int error) {
    switch (error) {
        case PA_ERR_INVALID:
        case PA_ERR_NOTSUPPORTED:
        case PA_ERR_TOOLARGE:
            return true;
        default:
            return false;
    }
}

pa_sample_spec SpecOf(const Wave& wave) {
    pa_sample_spec spec;
    spec.format = wave.format.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    spec.rate = std::uint32_t(wave.format.rate);
    // More channels than a byte holds are as invalid for the server as more than it knows.
    spec.channels = std::uint8_t(std::min(wave.format.channels, 255));
    return spec;
}

}  // namespace

PulseOutput::PulseOutput(std::span<const Wave> clips, Listener listener)
    : clips_(clips), listener_(std::move(listener)), thread_(&PulseOutput::Run, this) {}

PulseOutput::~PulseOutput() {
    quit_.store(true);
    Open();  // an output never opened ends its wait and sees quit_
    if (pa_mainloop* const loop = loop_.load()) lib_->pa_mainloop_wakeup(loop);
    thread_.join();
    // Read again: the thread may have made its loop after the wake-up was due, and seen quit_.
    if (pa_mainloop* const loop = loop_.load()) lib_->pa_mainloop_free(loop);
}

void PulseOutput::Open() {
    if (opened_.exchange(true)) return;
    opened_.notify_one();
}

void PulseOutput::Play(int clip) {
    // The clip travels in a byte of the request.
    if (clip < 0 || clip >= int(clips_.size()) || clip >= 0xff) return;
    Request(clip);
    Open();
}

void PulseOutput::Stop() {
    Request(-1);
}

void PulseOutput::Request(int clip) {
    ++requests_made_;
    request_.store(requests_made_ << 8 | std::uint32_t(clip + 1));
    // Without a loop yet, the output thread serves the request after its first wait, which the
    // connection it makes ends.
    if (pa_mainloop* const loop = loop_.load()) lib_->pa_mainloop_wakeup(loop);
}

// --- The output thread ----------------------------------------------------------------------

void PulseOutput::Run() {
    opened_.wait(false);
    if (quit_.load()) return;
    lib_ = PulseLibrary::Get();
    pa_mainloop* const loop = lib_ ? lib_->pa_mainloop_new() : nullptr;
    if (!loop) return;  // silence
    // Published after the library: a thread that sees the loop may call the library.
    loop_.store(loop);
    Connect();
    // A wake-up from Request ends the wait of the current iteration, so every request is
    // served as soon as it is made; the server's replies are handled in the same loop.
    while (!quit_.load()) {
        if (lib_->pa_mainloop_iterate(loop, 1, nullptr) < 0) {
            // The loop's poll failed. Whatever the connection was waiting for may never come:
            // start again from nothing, and connect anew at the next request.
            ReleaseContext();
            std::this_thread::sleep_for(kPauseAfterLoopError);
        }
        if (context_lost_) ReleaseContext();
        if (stream_done_) {
            DropStream();
            StartWanted();  // a clip of another format than the stream that was made
        }
        ServeRequest();
    }
    ReleaseContext();
}

void PulseOutput::ServeRequest() {
    const std::uint32_t request = request_.load();
    if (request == request_served_) return;
    request_served_ = request;
    if (stream_playing_) DropStream();  // a new sound, or a stop, ends the one playing
    wanted_clip_ = int(request & 0xff) - 1;
    wanted_since_ = std::chrono::steady_clock::now();
    StartWanted();
}

void PulseOutput::StartWanted() {
    if (wanted_clip_ < 0) return;
    if (!context_) Connect();  // the server may have come (back) since
    // Waits for the connection (OnContextState) or for the stream being made (OnStreamState).
    // Making another stream meanwhile would leave one on the server: libpulse cannot take
    // back a stream the server has not confirmed yet.
    if (!context_ || lib_->pa_context_get_state(context_) != PA_CONTEXT_READY || stream_) return;
    if (std::chrono::steady_clock::now() - wanted_since_ < kStaleRequest) Start(wanted_clip_);
    else wanted_clip_ = -1;
}

void PulseOutput::Connect() {
    context_ = lib_->pa_context_new(lib_->pa_mainloop_get_api(loop_.load()), "Sluicery");
    if (!context_) return;
    lib_->pa_context_set_state_callback(context_, &PulseOutput::OnContextState, this);
    // The game never starts a sound server of its own: that is the desktop's to do, and
    // starting one would keep the first request waiting.
    if (lib_->pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        ReleaseContext();
}

// Closing the connection makes the server delete every stream of the game, also those it has
// not confirmed yet.
void PulseOutput::ReleaseContext() {
    DropStream();
    wanted_clip_ = -1;
    context_lost_ = false;
    if (!context_) return;
    lib_->pa_context_set_state_callback(context_, nullptr, nullptr);
    lib_->pa_context_disconnect(context_);
    lib_->pa_context_unref(context_);
    context_ = nullptr;
}

void PulseOutput::OnContextState(pa_context* context, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    switch (output->lib_->pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            output->StartWanted();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            output->context_lost_ = true;  // released after the callback, outside libpulse
            break;
        default:
            break;
    }
}

// A stream for the clip's format; the clip wanted when it is ready is written to it.
void PulseOutput::Start(int clip) {
    const Wave& wave = clips_[clip];
    if (!wave.playable()) {
        wanted_clip_ = -1;
        return;
    }
    const pa_sample_spec spec = SpecOf(wave);
    stream_ = lib_->pa_stream_new(context_, "sound", &spec, nullptr);
    if (!stream_) {
        wanted_clip_ = -1;
        Fail(lib_->pa_context_errno(context_));
        return;
    }
    lib_->pa_stream_set_state_callback(stream_, &PulseOutput::OnStreamState, this);
    // The server's own buffer sizes: they leave it free to take back what it had mixed ahead,
    // so that a clip written whole and started at once is heard at once.
    const pa_buffer_attr* server_sizes = nullptr;
    if (lib_->pa_stream_connect_playback(stream_, nullptr, server_sizes, PA_STREAM_NOFLAGS, nullptr,
                                         nullptr) < 0) {
        wanted_clip_ = -1;
        Fail(lib_->pa_context_errno(context_));
        DropStream();
    }
}

void PulseOutput::OnStreamState(pa_stream* stream, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    if (stream != output->stream_) return;
    switch (output->lib_->pa_stream_get_state(stream)) {
        case PA_STREAM_READY: {
            // The clip asked for last, which may not be the one the stream was made for.
            const int clip = output->wanted_clip_;
            const bool fresh = std::chrono::steady_clock::now() - output->wanted_since_ <
                               kStaleRequest;
            if (clip >= 0 && fresh) {
                const pa_sample_spec spec = SpecOf(output->clips_[clip]);
                if (output->lib_->pa_sample_spec_equal(
                        output->lib_->pa_stream_get_sample_spec(stream), &spec)) {
                    output->wanted_clip_ = -1;
                    output->Write(clip);
                    break;
                }
            } else {
                output->wanted_clip_ = -1;
            }
            // Nothing to play in this format: the stream goes after the callback, and a
            // clip of the other format gets a stream of its own.
            output->stream_done_ = true;
            break;
        }
        case PA_STREAM_FAILED: {
            const int error = output->lib_->pa_context_errno(output->context_);
            // The server may still make a stream it did not confirm in time; only closing the
            // connection makes it forget that stream.
            if (error == PA_ERR_TIMEOUT) output->context_lost_ = true;
            output->Fail(error);
            output->wanted_clip_ = -1;
            output->stream_done_ = true;
            break;
        }
        default:
            break;
    }
}

void PulseOutput::Write(int clip) {
    const QByteArrayView samples = clips_[clip].samples;
    if (lib_->pa_stream_write(stream_, samples.constData(), size_t(samples.size()), nullptr, 0,
                              PA_SEEK_RELATIVE) < 0) {
        Fail(lib_->pa_context_errno(context_));
        stream_done_ = true;
        return;
    }
    stream_playing_ = true;
    // The clip may be shorter than what the server waits for before it starts a stream:
    // start it now. Draining ends the stream when the clip is over.
    if (pa_operation* trigger = lib_->pa_stream_trigger(stream_, nullptr, nullptr))
        lib_->pa_operation_unref(trigger);
    if (pa_operation* drain = lib_->pa_stream_drain(stream_, &PulseOutput::OnDrained, this))
        lib_->pa_operation_unref(drain);
    if (listener_.started) listener_.started(clip);
}

void PulseOutput::OnDrained(pa_stream* stream, int, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    if (stream == output->stream_) output->stream_done_ = true;
}

// Only for a stream the server has confirmed (or that failed), or with the connection: a
// stream still being made cannot be disconnected.
void PulseOutput::DropStream() {
    stream_done_ = false;
    stream_playing_ = false;
    if (!stream_) return;
    lib_->pa_stream_set_state_callback(stream_, nullptr, nullptr);
    lib_->pa_stream_disconnect(stream_);
    lib_->pa_stream_unref(stream_);
    stream_ = nullptr;
}

void PulseOutput::Fail(int error) {
    if (failure_reported_ || !RefusesTheClip(error)) return;
    failure_reported_ = true;
    if (listener_.failed) listener_.failed(lib_->pa_strerror(error));
}

}  // namespace slcy
