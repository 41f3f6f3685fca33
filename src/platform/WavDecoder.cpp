#include "platform/WavDecoder.h"

#include <cstring>
#include <string_view>

namespace {

constexpr uint16_t FORMAT_PCM = 1;
constexpr uint16_t FORMAT_EXTENSIBLE = 0xFFFE;
constexpr size_t FMT_MIN_SIZE = 16;
// Offset of the sub-format code inside an extensible format chunk.
constexpr size_t EXTENSIBLE_SUBFORMAT_OFFSET = 24;

struct Format {
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

uint16_t ReadU16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

uint32_t ReadU32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | (static_cast<uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<uint32_t>(bytes[at + 2]) << 16) |
           (static_cast<uint32_t>(bytes[at + 3]) << 24);
}

bool TagIs(std::span<const uint8_t> bytes, size_t at, std::string_view tag) {
    return bytes.size() >= at + 4 && std::memcmp(bytes.data() + at, tag.data(), 4) == 0;
}

std::optional<Format> ParseFormat(std::span<const uint8_t> chunk) {
    if (chunk.size() < FMT_MIN_SIZE) {
        return std::nullopt;
    }
    uint16_t code = ReadU16(chunk, 0);
    if (code == FORMAT_EXTENSIBLE && chunk.size() >= EXTENSIBLE_SUBFORMAT_OFFSET + 2) {
        code = ReadU16(chunk, EXTENSIBLE_SUBFORMAT_OFFSET);
    }
    Format format{ReadU16(chunk, 2), static_cast<int>(ReadU32(chunk, 4)), ReadU16(chunk, 14)};
    const int blockAlign = ReadU16(chunk, 12);
    const bool valid =
        code == FORMAT_PCM && (format.channels == 1 || format.channels == 2) &&
        (format.bits == 8 || format.bits == 16) && format.rate >= AudioLimits::MIN_RATE &&
        format.rate <= AudioLimits::MAX_RATE && blockAlign == format.channels * format.bits / 8;
    return valid ? std::optional<Format>(format) : std::nullopt;
}

std::optional<TAudioData> ConvertSamples(const Format& format, std::span<const uint8_t> data) {
    const size_t bytesPerSample = static_cast<size_t>(format.bits / 8);
    const size_t frameBytes = bytesPerSample * static_cast<size_t>(format.channels);
    const size_t maxFrames = AudioLimits::MAX_SAMPLES / static_cast<size_t>(format.channels);
    const size_t frames = data.size() / frameBytes;
    if (frames == 0 || frames > maxFrames) {
        return std::nullopt;
    }
    TAudioData audio;
    audio.channels = format.channels;
    audio.rate = format.rate;
    const size_t count = frames * static_cast<size_t>(format.channels);
    audio.samples.resize(count);
    for (size_t i = 0; i < count; ++i) {
        if (format.bits == 8) {
            audio.samples[i] = static_cast<int16_t>((data[i] - 128) * 256);
        } else {
            audio.samples[i] = static_cast<int16_t>(ReadU16(data, i * 2));
        }
    }
    return audio;
}

} // namespace

bool LooksLikeWav(std::span<const uint8_t> bytes) {
    return TagIs(bytes, 0, "RIFF") && TagIs(bytes, 8, "WAVE");
}

std::optional<TAudioData> DecodeWav(std::span<const uint8_t> bytes) {
    constexpr size_t HEADER = 12;
    constexpr size_t CHUNK_HEADER = 8;
    if (!LooksLikeWav(bytes)) {
        return std::nullopt;
    }
    // The RIFF size must fit in the file: a shorter file has been cut off.
    const uint64_t riffEnd = uint64_t{ReadU32(bytes, 4)} + 8;
    if (riffEnd > bytes.size()) {
        return std::nullopt;
    }
    std::optional<Format> format;
    for (uint64_t at = HEADER; at + CHUNK_HEADER <= riffEnd;) {
        const uint64_t size = ReadU32(bytes, at + 4);
        const uint64_t body = at + CHUNK_HEADER;
        if (body + size > riffEnd) {
            return std::nullopt;
        }
        auto chunk = bytes.subspan(body, size);
        if (TagIs(bytes, at, "fmt ")) {
            format = ParseFormat(chunk);
            if (!format) {
                return std::nullopt;
            }
        } else if (TagIs(bytes, at, "data")) {
            // The format must come first; sound without one cannot be read.
            return format ? ConvertSamples(*format, chunk) : std::nullopt;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}
