#include "tests/sound/heard.h"

#include <algorithm>
#include <cmath>

namespace kurobi::testing {
namespace {

constexpr int kWindowHops = 5;  // 5 ms windows, 1 ms apart
constexpr double kLoudDb = -60;
constexpr double kOnsetRiseDb = 20;
constexpr int kOnsetsApartHops = 20;
constexpr double kSilenceDb = -150;  // for digital silence and before the recording

// The level of each window, in dB below full scale, of the mean of the two channels.
std::vector<double> WindowLevels(std::span<const int16_t> stereo, size_t hop) {
    const size_t frames = stereo.size() / 2;
    const size_t window = hop * kWindowHops;
    std::vector<double> levels;
    for (size_t start = 0; start + window <= frames; start += hop) {
        double energy = 0;
        for (size_t f = start; f < start + window; ++f) {
            const double mono = (stereo[2 * f] + stereo[2 * f + 1]) / 2.0 / 32768.0;
            energy += mono * mono;
        }
        const double rms = std::sqrt(energy / static_cast<double>(window));
        levels.push_back(rms > 0 ? std::max(kSilenceDb, 20 * std::log10(rms)) : kSilenceDb);
    }
    return levels;
}

}  // namespace

std::vector<HeardSound> HeardSounds(std::span<const int16_t> stereo, int rate) {
    const size_t hop = static_cast<size_t>(rate / 1000);
    const double msPerHop = 1000.0 * static_cast<double>(hop) / rate;
    const std::vector<double> levels = WindowLevels(stereo, hop);
    const auto count = static_cast<int>(levels.size());

    std::vector<int> onsets;
    for (int i = 0; i < count; ++i) {
        const double before = i >= kWindowHops ? levels[i - kWindowHops] : kSilenceDb;
        const bool rise = levels[i] > kLoudDb && levels[i] - before >= kOnsetRiseDb;
        if (rise && (onsets.empty() || i - onsets.back() >= kOnsetsApartHops)) onsets.push_back(i);
    }

    std::vector<HeardSound> heard;
    for (size_t k = 0; k < onsets.size(); ++k) {
        const int end = k + 1 < onsets.size() ? onsets[k + 1] : count;
        int lastLoud = onsets[k];
        for (int i = onsets[k]; i < end; ++i) {
            if (levels[i] > kLoudDb) lastLoud = i;
        }
        const int heardUntil = std::min(lastLoud + kWindowHops, end);
        heard.push_back({onsets[k] * msPerHop, (heardUntil - onsets[k]) * msPerHop});
    }
    return heard;
}

}  // namespace kurobi::testing
