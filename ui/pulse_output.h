#pragma once
// Sound output through the PulseAudio sound server: one playback stream with a short buffer,
// opened at start-up and kept, into which each sound is written whole. The stream is served by
// a thread of its own, so that playing never waits for the server; without a server nothing is
// heard, and the connection is tried again in the background until one answers.

#include <cstdint>
#include <span>

struct pa_context;
struct pa_mainloop_api;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_time_event;

namespace kurobi {

class PulseOutput {
  public:
    PulseOutput();
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // Starts `samples` (interleaved stereo at kPlaybackRate, alive as long as this output) and
    // returns at once; what is still playing is cut off. Asked for while the stream is not open
    // yet, as right after start-up, the sound starts once it is, unless that takes too long.
    void Play(std::span<const int16_t> samples);

  private:
    // All below run on the output's thread, or with its lock held.
    void Connect();
    void OpenStream();
    void Close();
    // Closes and frees the timers, for good.
    void Release();
    void RetryLater();
    void Start(std::span<const int16_t> samples);
    void Resumed();
    void Cork();

    pa_threaded_mainloop* loop_ = nullptr;
    pa_mainloop_api* api_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    bool ready_ = false;
    bool corked_ = true;
    pa_time_event* retry_ = nullptr;
    pa_time_event* cork_ = nullptr;
    // The sound asked for before the stream was ready, and until when it may still start.
    std::span<const int16_t> waiting_;
    uint64_t waitingUntil_ = 0;
    // The sound to write once the stream is resumed, and the resumes sent that have not come
    // back yet.
    std::span<const int16_t> next_;
    int resuming_ = 0;
};

}  // namespace kurobi
