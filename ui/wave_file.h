#pragma once
// A sound effect's RIFF/WAVE file, read into the one sample format every sound is played in.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kurobi {

// Every sound is played as signed 16-bit stereo at the rate the recordings were made at.
inline constexpr uint32_t kPlaybackRate = 22050;
inline constexpr uint8_t kPlaybackChannels = 2;

// Interleaved left and right samples at kPlaybackRate.
using StereoSamples = std::vector<int16_t>;

// The samples of a RIFF/WAVE file with uncompressed PCM data: one or two channels of unsigned
// 8-bit or signed 16-bit samples at kPlaybackRate. Nothing for any other file, or for one
// whose chunks do not hold what its headers claim.
std::optional<StereoSamples> ReadWave(std::span<const uint8_t> file);

}  // namespace kurobi
