#pragma once
// What a listener hears in a recording: where each sound begins and for how long it is heard.
// Heard is loud enough: a 5 ms window (sliding by 1 ms) whose level is above -60 dBFS.

#include <cstdint>
#include <span>
#include <vector>

namespace kurobi::testing {

struct HeardSound {
    double onsetMs;  // from the start of the recording
    double heardMs;  // from the onset to the end of the last loud window, or to the next onset
};

// The sounds in interleaved stereo samples at `rate` frames a second. A sound begins where the
// level jumps by 20 dB within 5 ms to above the threshold, out of silence or over the tail of
// the sound before; two onsets are at least 20 ms apart.
std::vector<HeardSound> HeardSounds(std::span<const int16_t> stereo, int rate);

}  // namespace kurobi::testing
