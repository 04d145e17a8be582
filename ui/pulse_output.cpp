#include "ui/pulse_output.h"

#include <pulse/pulseaudio.h>

#include "ui/wave_file.h"

namespace kurobi {
namespace {

const pa_sample_spec kStreamFormat = {PA_SAMPLE_S16LE, kPlaybackRate, kPlaybackChannels};
// Short, so that a new sound cuts the one before at once rather than after what is buffered.
constexpr pa_usec_t kBuffer = 40 * PA_USEC_PER_MSEC;
// How often a missing or lost server is looked for again.
constexpr pa_usec_t kRetryAfter = PA_USEC_PER_SEC;
// How long after the end of a sound the stream is paused, so that an idle game makes the server
// and this process do nothing; generous, since the end is only known from the clock.
constexpr pa_usec_t kCorkAfter = 500 * PA_USEC_PER_MSEC;
// How long a sound asked for while there is no stream may wait for one.
constexpr pa_usec_t kLongestWait = PA_USEC_PER_SEC;

timeval After(pa_usec_t delay) {
    timeval at;
    pa_gettimeofday(&at);
    return *pa_timeval_add(&at, delay);
}

pa_usec_t Duration(std::span<const int16_t> samples) {
    return pa_bytes_to_usec(samples.size_bytes(), &kStreamFormat);
}

void Done(pa_operation* operation) {
    if (operation) pa_operation_unref(operation);
}

}  // namespace

PulseOutput::PulseOutput() : loop_(pa_threaded_mainloop_new()) {
    if (!loop_) return;
    api_ = pa_threaded_mainloop_get_api(loop_);
    retry_ = api_->time_new(
        api_, nullptr,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
            static_cast<PulseOutput*>(self)->Close();
            static_cast<PulseOutput*>(self)->Connect();
        },
        this);
    cork_ = api_->time_new(
        api_, nullptr,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
            static_cast<PulseOutput*>(self)->Cork();
        },
        this);
    Connect();
    if (pa_threaded_mainloop_start(loop_) < 0) {
        Release();
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
    }
}

PulseOutput::~PulseOutput() {
    if (!loop_) return;
    pa_threaded_mainloop_lock(loop_);
    Release();
    pa_threaded_mainloop_unlock(loop_);
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

void PulseOutput::Play(std::span<const int16_t> samples) {
    if (!loop_) return;
    pa_threaded_mainloop_lock(loop_);
    if (ready_) {
        Start(samples);
    } else {
        waiting_ = samples;
        waitingUntil_ = pa_rtclock_now() + kLongestWait;
    }
    pa_threaded_mainloop_unlock(loop_);
}

// The game does not start a sound server of its own: the desktop's is used, where there is one.
void PulseOutput::Connect() {
    context_ = pa_context_new(api_, "Kurobi");
    if (!context_) return RetryLater();
    pa_context_set_state_callback(
        context_,
        [](pa_context* context, void* self) {
            switch (pa_context_get_state(context)) {
                case PA_CONTEXT_READY:
                    return static_cast<PulseOutput*>(self)->OpenStream();
                case PA_CONTEXT_FAILED:
                case PA_CONTEXT_TERMINATED:
                    return static_cast<PulseOutput*>(self)->RetryLater();
                default:
                    return;
            }
        },
        this);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) RetryLater();
}

void PulseOutput::OpenStream() {
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    stream_ =
        pa_stream_new_with_proplist(context_, "Sound effects", &kStreamFormat, nullptr, properties);
    pa_proplist_free(properties);
    if (!stream_) return RetryLater();
    pa_stream_set_state_callback(
        stream_,
        [](pa_stream* stream, void* self) {
            auto* output = static_cast<PulseOutput*>(self);
            switch (pa_stream_get_state(stream)) {
                case PA_STREAM_READY:
                    output->ready_ = true;
                    if (!output->waiting_.empty() && pa_rtclock_now() < output->waitingUntil_) {
                        output->Start(output->waiting_);
                    }
                    output->waiting_ = {};
                    return;
                case PA_STREAM_FAILED:
                case PA_STREAM_TERMINATED:
                    return output->RetryLater();
                default:
                    return;
            }
        },
        this);
    // No prebuffering: what is written plays at once.
    const pa_buffer_attr buffer = {static_cast<uint32_t>(-1),
                                   static_cast<uint32_t>(pa_usec_to_bytes(kBuffer, &kStreamFormat)),
                                   0, static_cast<uint32_t>(-1), static_cast<uint32_t>(-1)};
    corked_ = true;
    const auto flags =
        static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY);
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, flags, nullptr, nullptr) < 0) {
        RetryLater();
    }
}

// Gone, or never there: the connection is made anew a little later.
void PulseOutput::RetryLater() {
    ready_ = false;
    const timeval at = After(kRetryAfter);
    api_->time_restart(retry_, &at);
}

void PulseOutput::Close() {
    ready_ = false;
    // The pending resumes are cancelled with the stream, and come back no more.
    next_ = {};
    resuming_ = 0;
    if (stream_) {
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }
    if (context_) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
}

void PulseOutput::Release() {
    Close();
    api_->time_free(retry_);
    api_->time_free(cork_);
}

void PulseOutput::Start(std::span<const int16_t> samples) {
    // The stream is paused and resumed before every sound: written into a stream that has run
    // dry, or resumed only after the write, a sound loses its first few milliseconds to the
    // server. What the sound before has not played yet is dropped; the new one follows as soon
    // as the server has resumed the stream. Written before that, as the server may take it on a
    // busy machine even when the resume was sent first, it would lose its start all the same.
    if (!corked_) Done(pa_stream_cork(stream_, 1, nullptr, nullptr));
    next_ = samples;
    ++resuming_;
    Done(pa_stream_cork(
        stream_, 0,
        [](pa_stream*, int, void* self) { static_cast<PulseOutput*>(self)->Resumed(); }, this));
    corked_ = false;
    const timeval at = After(Duration(samples) + kCorkAfter);
    api_->time_restart(cork_, &at);
}

// The sound is written once the last resume sent has come back: what a sound asked for in the
// meantime replaced would lose its start to the pause that sound sent first.
void PulseOutput::Resumed() {
    if (--resuming_ > 0 || !ready_ || next_.empty()) return;
    Done(pa_stream_flush(stream_, nullptr, nullptr));
    pa_stream_write(stream_, next_.data(), next_.size_bytes(), nullptr, 0, PA_SEEK_RELATIVE);
    next_ = {};
}

void PulseOutput::Cork() {
    if (!ready_ || corked_) return;
    Done(pa_stream_cork(stream_, 1, nullptr, nullptr));
    corked_ = true;
}

}  // namespace kurobi
