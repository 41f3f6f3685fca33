#pragma once

#include <string>

#include "platform/TPixmap.h"

// Decodes PNG files into 0xAARRGGBB pixels. Anything that is not a whole,
// sensibly sized PNG gives an empty pointer, never a crash.
class TPngReader {
public:
    // Pictures wider or taller than this are refused before any pixel is allocated.
    static constexpr int MAX_SIDE = 16384;

    static TPixmapPtr Read(const std::string& path);
};
