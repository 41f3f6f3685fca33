#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/TAudioData.h"

// What opening an Ogg Vorbis stream tells without decoding it all.
struct TOggInfo {
    int channels = 0;
    int rate = 0;
    int64_t frames = 0;
};

// Whether bytes start like an Ogg stream.
bool LooksLikeOgg(std::span<const uint8_t> bytes);
// Decodes a whole Ogg Vorbis stream (mono or stereo). Nothing when the data is
// not a Vorbis stream, is damaged, or decodes to no sound at all.
std::optional<TAudioData> DecodeOgg(std::span<const uint8_t> bytes);
// Checks that bytes are a whole Ogg Vorbis stream (mono or stereo) whose
// sound starts to decode, decoding only its first moments. Nothing when the
// data is not one, is cut short, or holds no sound.
std::optional<TOggInfo> ProbeOgg(std::span<const uint8_t> bytes);
