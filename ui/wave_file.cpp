#include "ui/wave_file.h"

#include <cstring>
#include <string_view>

namespace kurobi {
namespace {

constexpr uint16_t kPcmFormatTag = 1;
constexpr size_t kChunkHeaderSize = 8;
constexpr size_t kPcmFormatSize = 16;

uint16_t U16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint32_t U32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint32_t>(U16(bytes, at) | U16(bytes, at + 2) << 16);
}

bool HasTag(std::span<const uint8_t> bytes, size_t at, std::string_view tag) {
    return std::memcmp(bytes.data() + at, tag.data(), 4) == 0;
}

struct PcmFormat {
    uint16_t channels = 0;
    uint16_t bits = 0;
};

// The format chunk's body, where it describes data that the sounds can be played from: the
// block size and the byte rate must agree with the rest, or the header is not what it claims.
std::optional<PcmFormat> ReadFormat(std::span<const uint8_t> body) {
    if (body.size() < kPcmFormatSize || U16(body, 0) != kPcmFormatTag) return std::nullopt;
    const PcmFormat format{U16(body, 2), U16(body, 14)};
    if (format.channels < 1 || format.channels > 2) return std::nullopt;
    if (format.bits != 8 && format.bits != 16) return std::nullopt;
    const uint32_t block = format.channels * format.bits / 8u;
    if (U32(body, 4) != kPlaybackRate || U32(body, 8) != kPlaybackRate * block ||
        U16(body, 12) != block) {
        return std::nullopt;
    }
    return format;
}

StereoSamples ToStereo(const PcmFormat& format, std::span<const uint8_t> data) {
    const size_t sampleBytes = format.bits / 8u;
    const size_t frames = data.size() / (format.channels * sampleBytes);
    StereoSamples out;
    out.reserve(frames * kPlaybackChannels);
    for (size_t frame = 0; frame < frames; ++frame) {
        for (size_t channel = 0; channel < kPlaybackChannels; ++channel) {
            const size_t at = (frame * format.channels + channel % format.channels) * sampleBytes;
            // 8-bit samples are unsigned around 128.
            out.push_back(sampleBytes == 1 ? static_cast<int16_t>((data[at] - 128) * 256)
                                           : static_cast<int16_t>(U16(data, at)));
        }
    }
    return out;
}

}  // namespace

std::optional<StereoSamples> ReadWave(std::span<const uint8_t> file) {
    if (file.size() < 12 || !HasTag(file, 0, "RIFF") || !HasTag(file, 8, "WAVE")) {
        return std::nullopt;
    }
    std::optional<PcmFormat> format;
    for (size_t at = 12; file.size() - at >= kChunkHeaderSize;) {
        const size_t size = U32(file, at + 4);
        const size_t body = at + kChunkHeaderSize;
        if (size > file.size() - body) return std::nullopt;
        const std::span<const uint8_t> content = file.subspan(body, size);
        if (HasTag(file, at, "fmt ")) {
            format = ReadFormat(content);
            if (!format) return std::nullopt;
        } else if (HasTag(file, at, "data")) {
            if (!format) return std::nullopt;
            return ToStereo(*format, content);
        }
        at = body + size + size % 2;  // chunks are padded to an even length
        if (at > file.size()) break;
    }
    return std::nullopt;
}

}  // namespace kurobi
