#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/TAudioData.h"

// Whether bytes start like an Ogg stream.
bool LooksLikeOgg(std::span<const uint8_t> bytes);
// Decodes a whole Ogg Vorbis stream (mono or stereo). Nothing when the data is
// not a Vorbis stream, is damaged, or decodes to no sound at all.
std::optional<TAudioData> DecodeOgg(std::span<const uint8_t> bytes);
