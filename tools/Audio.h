// Sample buffers and the WAV and OGG Vorbis writers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace datagen {

inline constexpr int kSampleRate = 44100;

// Floating-point audio, full scale +-1. Mono when `right` is empty.
struct Sound {
    std::vector<float> left;
    std::vector<float> right;

    bool stereo() const { return !right.empty(); }
    std::size_t frames() const { return left.size(); }
    double seconds() const { return static_cast<double>(left.size()) / kSampleRate; }
};

struct SoundStats {
    double seconds = 0.0;
    double peakDb = -200.0;
    double rmsDb = -200.0;
};

SoundStats measure(const Sound& sound);

// Scales the sound so that its peak sits at `peakDb` dBFS.
void normalize(Sound& sound, double peakDb);

// Raised-cosine fades over the first and last `inSeconds` / `outSeconds`.
void fadeEdges(Sound& sound, double inSeconds, double outSeconds);

// 16-bit PCM at 44.1 kHz, mono or stereo.
void writeWav(const std::filesystem::path& path, const Sound& sound);

// Ogg Vorbis at 44.1 kHz with a fixed stream serial number, so the bytes never vary.
void writeOgg(const std::filesystem::path& path, const Sound& sound, float quality, int serial);

} // namespace datagen
