#include "pulse_output.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>
#include <pulse/stream.h>

#include <algorithm>

namespace slcy {

namespace {

// A request that waited longer than this for the connection is dropped: a sound heard late is
// worse than none.
constexpr auto kStaleRequest = std::chrono::milliseconds(200);

// Errors that mean "nothing to play on", not "the device refused": silence, no message.
bool MeansNoOutput(int error) {
    switch (error) {
        case PA_ERR_NOENTITY:  // no output device
        case PA_ERR_CONNECTIONREFUSED:
        case PA_ERR_CONNECTIONTERMINATED:
        case PA_ERR_KILLED:
        case PA_ERR_BADSTATE:
            return true;
        default:
            return false;
    }
}

}  // namespace

PulseOutput::PulseOutput(std::span<const Wave> clips, Listener listener)
    : clips_(clips), listener_(std::move(listener)), loop_(pa_mainloop_new()) {
    if (loop_) thread_ = std::thread(&PulseOutput::Run, this);
}

PulseOutput::~PulseOutput() {
    if (!loop_) return;
    quit_.store(true);
    pa_mainloop_wakeup(loop_);
    thread_.join();
    pa_mainloop_free(loop_);
}

void PulseOutput::Play(int clip) {
    if (clip >= 0 && clip < int(clips_.size())) Request(clip);
}

void PulseOutput::Stop() {
    Request(-1);
}

void PulseOutput::Request(int clip) {
    if (!loop_) return;
    const std::uint32_t made = requests_made_.load(std::memory_order_relaxed);
    requests_[made % kRequestSlots].store(clip, std::memory_order_relaxed);
    requests_made_.store(made + 1, std::memory_order_release);
    pa_mainloop_wakeup(loop_);
}

// --- The output thread ----------------------------------------------------------------------

void PulseOutput::Run() {
    Connect();
    // A wake-up from Request ends the wait of the current iteration, so every request is
    // served as soon as it is made; the server's replies are handled in the same loop.
    while (!quit_.load()) {
        if (pa_mainloop_iterate(loop_, 1, nullptr) < 0) break;
        if (context_lost_) ReleaseContext();
        if (stream_done_) DropStream();
        ServeRequests();
    }
    ReleaseContext();
}

void PulseOutput::ServeRequests() {
    const std::uint32_t made = requests_made_.load(std::memory_order_acquire);
    if (made - requests_served_ > kRequestSlots) requests_served_ = made - kRequestSlots;
    for (; requests_served_ != made; ++requests_served_)
        Serve(requests_[requests_served_ % kRequestSlots].load(std::memory_order_relaxed));
}

void PulseOutput::Serve(int clip) {
    DropStream();  // a new sound, or a stop, ends the one playing
    waiting_clip_ = -1;
    if (clip < 0) return;
    if (!context_) Connect();  // the server may have come (back) since
    if (!context_) return;
    if (pa_context_get_state(context_) == PA_CONTEXT_READY) {
        Start(clip);
    } else {
        waiting_clip_ = clip;
        waiting_since_ = std::chrono::steady_clock::now();
    }
}

void PulseOutput::Connect() {
    context_ = pa_context_new(pa_mainloop_get_api(loop_), "Sluicery");
    if (!context_) return;
    pa_context_set_state_callback(context_, &PulseOutput::OnContextState, this);
    // The game never starts a sound server of its own: that is the desktop's to do, and
    // starting one would keep the first request waiting.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        ReleaseContext();
}

void PulseOutput::ReleaseContext() {
    DropStream();
    waiting_clip_ = -1;
    context_lost_ = false;
    if (!context_) return;
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

void PulseOutput::OnContextState(pa_context* context, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            if (output->waiting_clip_ >= 0 &&
                std::chrono::steady_clock::now() - output->waiting_since_ < kStaleRequest)
                output->Start(output->waiting_clip_);
            output->waiting_clip_ = -1;
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            output->context_lost_ = true;  // released after the callback, outside libpulse
            break;
        default:
            break;
    }
}

void PulseOutput::Start(int clip) {
    const Wave& wave = clips_[clip];
    if (!wave.playable()) return;
    pa_sample_spec spec;
    spec.format = wave.format.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    spec.rate = std::uint32_t(wave.format.rate);
    // More channels than a byte holds are as invalid for the server as more than it knows.
    spec.channels = std::uint8_t(std::min(wave.format.channels, 255));

    stream_ = pa_stream_new(context_, "sound", &spec, nullptr);
    if (!stream_) {
        Fail(pa_context_errno(context_));
        return;
    }
    stream_clip_ = clip;
    pa_stream_set_state_callback(stream_, &PulseOutput::OnStreamState, this);
    // The server's own buffer sizes: they leave it free to take back what it had mixed ahead,
    // so that a clip written whole and started at once is heard at once.
    const pa_buffer_attr* server_sizes = nullptr;
    if (pa_stream_connect_playback(stream_, nullptr, server_sizes, PA_STREAM_NOFLAGS, nullptr,
                                   nullptr) < 0) {
        Fail(pa_context_errno(context_));
        DropStream();
    }
}

void PulseOutput::OnStreamState(pa_stream* stream, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    if (stream != output->stream_) return;
    switch (pa_stream_get_state(stream)) {
        case PA_STREAM_READY: {
            const QByteArray& samples = output->clips_[output->stream_clip_].samples;
            if (pa_stream_write(stream, samples.constData(), size_t(samples.size()), nullptr, 0,
                                PA_SEEK_RELATIVE) < 0) {
                output->Fail(pa_context_errno(output->context_));
                output->stream_done_ = true;
                break;
            }
            // The clip may be shorter than what the server waits for before it starts a
            // stream: start it now. Draining ends the stream when the clip is over.
            if (pa_operation* trigger = pa_stream_trigger(stream, nullptr, nullptr))
                pa_operation_unref(trigger);
            if (pa_operation* drain = pa_stream_drain(stream, &PulseOutput::OnDrained, output))
                pa_operation_unref(drain);
            if (output->listener_.started) output->listener_.started(output->stream_clip_);
            break;
        }
        case PA_STREAM_FAILED:
            output->Fail(pa_context_errno(output->context_));
            output->stream_done_ = true;
            break;
        default:
            break;
    }
}

void PulseOutput::OnDrained(pa_stream* stream, int, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    if (stream == output->stream_) output->stream_done_ = true;
}

void PulseOutput::DropStream() {
    stream_done_ = false;
    if (!stream_) return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
    stream_clip_ = -1;
}

void PulseOutput::Fail(int error) {
    if (!MeansNoOutput(error) && listener_.failed) listener_.failed(pa_strerror(error));
}

}  // namespace slcy
