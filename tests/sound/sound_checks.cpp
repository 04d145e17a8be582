#include "tests/sound/sound_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

#include "tests/sound/heard.h"
#include "ui/platform_sound.h"
#include "ui/wave_file.h"

namespace kurobi::testing {
namespace {

// A sound written whole to the server is rendered whole, however busy the machine, and heard
// for the same time as its resource, to the millisecond; the margin takes up the resampling to
// the server's rate. Sounds whose starts are lost, as when the stream is resumed late, fall
// short by more.
constexpr double kToleranceMs = 5;
// 50 ms of silence on either side of a resource measured alone.
constexpr size_t kPaddingSamples = kPlaybackRate / 20 * kPlaybackChannels;

}  // namespace

double AudibleMs(std::string_view name) {
    const std::optional<StereoSamples> samples = ReadWaveResource(WaveResourcePath(name));
    if (!samples) return 0;
    StereoSamples padded(kPaddingSamples);
    padded.insert(padded.end(), samples->begin(), samples->end());
    padded.resize(padded.size() + kPaddingSamples);
    const std::vector<HeardSound> heard = HeardSounds(padded, kPlaybackRate);
    return heard.size() == 1 ? heard[0].heardMs : 0;
}

void ExpectHeard(const std::vector<HeardSound>& heard, const std::vector<std::string_view>& names) {
    std::string summary;
    for (const HeardSound& sound : heard) {
        summary += " at " + std::to_string(static_cast<int>(sound.onsetMs)) + " ms for " +
                   std::to_string(static_cast<int>(sound.heardMs)) + " ms;";
    }
    SCOPED_TRACE("heard:" + summary);
    ASSERT_EQ(heard.size(), names.size());
    for (size_t k = 0; k < names.size(); ++k) {
        const double untilNext = k + 1 < heard.size() ? heard[k + 1].onsetMs - heard[k].onsetMs
                                                      : std::numeric_limits<double>::infinity();
        EXPECT_NEAR(heard[k].heardMs, std::min(AudibleMs(names[k]), untilNext), kToleranceMs)
            << "sound " << k + 1 << ", " << names[k];
    }
}

}  // namespace kurobi::testing
