#include "platform/TImageFont.h"

#include "platform/Strings.h"

const TGlyph& TImageFont::Glyph(char32_t code) const {
    auto it = glyphs_.find(code);
    if (it != glyphs_.end()) {
        return it->second;
    }
    return fallback_;
}

int TImageFont::TextWidth(const std::string& text) const {
    int width = 0;
    for (char32_t code : DecodeUtf8(text)) {
        auto it = glyphs_.find(code);
        width += it != glyphs_.end() ? it->second.advance : fallbackAdvance_;
    }
    return width;
}
