#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/TAudioData.h"

// Whether bytes start like a RIFF WAVE file.
bool LooksLikeWav(std::span<const uint8_t> bytes);
// Decodes an uncompressed PCM WAVE file (8 or 16 bit, mono or stereo). Nothing
// when the file is truncated, lies about its sizes or holds another format.
std::optional<TAudioData> DecodeWav(std::span<const uint8_t> bytes);
