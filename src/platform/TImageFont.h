#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/TImage.h"

// One character of an image font: its picture, where the picture sits
// relative to the pen position, and how far the pen moves on.
struct TGlyph {
    TImagePtr image;
    int offsetX = 0;
    int offsetY = 0;
    int advance = 0;
};

// A font rasterised at one pixel size into glyph pictures.
class TImageFont : public TObject {
public:
    TImageFont(int lineHeight, int fallbackAdvance)
        : lineHeight_(lineHeight), fallbackAdvance_(fallbackAdvance) {}

    int LineHeight() const { return lineHeight_; }
    // The glyph of a character; characters the font lacks use an empty glyph
    // with the fallback advance.
    const TGlyph& Glyph(char32_t code) const;
    void SetGlyph(char32_t code, TGlyph glyph) { glyphs_[code] = std::move(glyph); }
    // Every glyph the font has, by character.
    const std::map<char32_t, TGlyph>& Glyphs() const { return glyphs_; }
    // Sum of the advances of text, in whole pixels, unscaled.
    int TextWidth(const std::string& text) const;

    std::shared_ptr<TObject> backendData;

private:
    int lineHeight_;
    int fallbackAdvance_;
    TGlyph fallback_;
    std::map<char32_t, TGlyph> glyphs_;
};

using TImageFontPtr = std::shared_ptr<TImageFont>;
