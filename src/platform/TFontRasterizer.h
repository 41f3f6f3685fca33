#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/TImageFont.h"

// Turns a TrueType font into an image font with FreeType: every printable
// ASCII and Latin-1 character becomes a white glyph picture whose alpha is the
// character's coverage.
class TFontRasterizer {
public:
    // Empty pointer when the file cannot be read or is not a font.
    static TImageFontPtr FromFile(const std::string& path, int pixelSize, bool smooth);
    // The bytes are only read during the call.
    static TImageFontPtr FromMemory(const unsigned char* data, std::size_t size, int pixelSize,
                                    bool smooth);
};
