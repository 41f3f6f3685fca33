#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Decoded sound: interleaved signed 16-bit samples, one or two channels.
struct TAudioData {
    std::vector<int16_t> samples;
    int channels = 0;
    int rate = 0;

    int Frames() const {
        return channels > 0 ? static_cast<int>(samples.size() / static_cast<size_t>(channels)) : 0;
    }
};

// Limits every decoder keeps to, so a hostile file cannot make it hang or
// allocate without bound.
namespace AudioLimits {
constexpr int MIN_RATE = 1000;
constexpr int MAX_RATE = 192000;
// Most samples a decoded sound may hold: ten minutes of stereo at 48 kHz.
constexpr size_t MAX_SAMPLES = size_t{48000} * 2 * 600;
// Largest file read into memory.
constexpr int64_t MAX_FILE_BYTES = 256LL * 1024 * 1024;
} // namespace AudioLimits
