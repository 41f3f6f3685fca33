#pragma once

#include "platform/TImageFont.h"

// Packs the glyph pictures of an image font into one texture, so a line of
// text goes out in one draw call. Glyphs that do not fit keep textures of
// their own.
class TFontAtlas : public TObject {
public:
    explicit TFontAtlas(unsigned generation) : generation_(generation) {}

    // Makes sure the font's glyphs lie in an atlas of the live GL context.
    static void Prepare(TImageFont& font);

private:
    unsigned generation_;
};
