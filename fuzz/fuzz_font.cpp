// Feeds arbitrary bytes to the font rasteriser that turns the game's TrueType
// font into glyph pictures.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "platform/TFontRasterizer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    // The last byte picks a small pixel size and the rendering, so runs stay quick.
    const uint8_t choice = data[size - 1];
    const int pixelSize = 4 + (choice & 15);
    const bool smooth = (choice & 16) != 0;
    const auto font = TFontRasterizer::FromMemory(data, size, pixelSize, smooth);
    if (!font) {
        return 0;
    }
    FUZZ_REQUIRE(font->LineHeight() > 0);
    for (const auto& [code, glyph] : font->Glyphs()) {
        FUZZ_REQUIRE(code >= 32 && code < 256);
        if (glyph.image) {
            const auto pixels = glyph.image->Cell(0);
            FUZZ_REQUIRE(pixels && pixels->Width() == glyph.image->Width() &&
                         pixels->Height() == glyph.image->Height());
        }
    }
    return 0;
}
