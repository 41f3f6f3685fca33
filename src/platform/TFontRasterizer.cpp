#include "platform/TFontRasterizer.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

#include "platform/Images.h"

namespace {

// FreeType works in 26.6 fixed point.
int Pixels26_6(FT_Pos value) {
    return static_cast<int>((value + 32) >> 6);
}

int CeilPixels26_6(FT_Pos value) {
    return static_cast<int>((value + 63) >> 6);
}

class TFreeTypeLibrary {
public:
    TFreeTypeLibrary() {
        if (FT_Init_FreeType(&library_) != 0) {
            library_ = nullptr;
        }
    }
    ~TFreeTypeLibrary() {
        if (library_) {
            FT_Done_FreeType(library_);
        }
    }
    TFreeTypeLibrary(const TFreeTypeLibrary&) = delete;
    TFreeTypeLibrary& operator=(const TFreeTypeLibrary&) = delete;

    FT_Library Get() const { return library_; }

private:
    FT_Library library_ = nullptr;
};

class TFreeTypeFace {
public:
    explicit TFreeTypeFace(FT_Face face) : face_(face) {}
    ~TFreeTypeFace() {
        if (face_) {
            FT_Done_Face(face_);
        }
    }
    TFreeTypeFace(const TFreeTypeFace&) = delete;
    TFreeTypeFace& operator=(const TFreeTypeFace&) = delete;

    FT_Face Get() const { return face_; }

private:
    FT_Face face_;
};

// The characters every font gets: printable ASCII and Latin-1.
std::vector<char32_t> WantedCharacters() {
    std::vector<char32_t> codes;
    for (char32_t code = 32; code < 127; ++code) {
        codes.push_back(code);
    }
    for (char32_t code = 160; code < 256; ++code) {
        codes.push_back(code);
    }
    return codes;
}

uint8_t Coverage(const FT_Bitmap& bitmap, unsigned x, unsigned y) {
    const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        return (row[x / 8] & (0x80u >> (x % 8))) ? 255 : 0;
    }
    return row[x];
}

// White pixels carrying the coverage as alpha.
TImagePtr GlyphImage(const FT_Bitmap& bitmap) {
    if (bitmap.width == 0 || bitmap.rows == 0) {
        return nullptr;
    }
    auto image = std::make_shared<TImage>(static_cast<int>(bitmap.width),
                                          static_cast<int>(bitmap.rows), 1, ImageFlag::FILTERED);
    auto pixels = image->Cell(0);
    for (unsigned y = 0; y < bitmap.rows; ++y) {
        for (unsigned x = 0; x < bitmap.width; ++x) {
            const uint32_t alpha = Coverage(bitmap, x, y);
            pixels->WritePixel(static_cast<int>(x), static_cast<int>(y), alpha << 24 | 0xffffffu);
        }
    }
    return image;
}

bool RenderGlyph(FT_Face face, char32_t code, bool smooth) {
    const FT_UInt index = FT_Get_Char_Index(face, code);
    if (index == 0) {
        return false;
    }
    const FT_Int32 load = smooth ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO;
    if (FT_Load_Glyph(face, index, load) != 0) {
        return false;
    }
    return FT_Render_Glyph(face->glyph, smooth ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) == 0;
}

TImageFontPtr Rasterise(FT_Face face, int pixelSize, bool smooth) {
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
        return nullptr;
    }
    const auto& metrics = face->size->metrics;
    const int ascender = CeilPixels26_6(metrics.ascender);
    const int lineHeight = std::max(1, CeilPixels26_6(metrics.height));
    const int fallbackAdvance = std::max(1, Pixels26_6(metrics.max_advance) / 2);
    auto font = std::make_shared<TImageFont>(lineHeight, fallbackAdvance);
    for (char32_t code : WantedCharacters()) {
        if (!RenderGlyph(face, code, smooth)) {
            continue;
        }
        const FT_GlyphSlot slot = face->glyph;
        TGlyph glyph;
        glyph.image = GlyphImage(slot->bitmap);
        glyph.offsetX = slot->bitmap_left;
        glyph.offsetY = ascender - slot->bitmap_top;
        glyph.advance = Pixels26_6(slot->advance.x);
        font->SetGlyph(code, std::move(glyph));
    }
    return font;
}

// Sizes beyond this are not text any more; refused rather than rasterised.
constexpr int MAX_PIXEL_SIZE = 1024;

bool SensibleSize(int pixelSize) {
    return pixelSize > 0 && pixelSize <= MAX_PIXEL_SIZE;
}

} // namespace

TImageFontPtr TFontRasterizer::FromFile(const std::string& path, int pixelSize, bool smooth) {
    TFreeTypeLibrary library;
    if (!library.Get() || !SensibleSize(pixelSize)) {
        return nullptr;
    }
    FT_Face raw = nullptr;
    if (FT_New_Face(library.Get(), path.c_str(), 0, &raw) != 0) {
        return nullptr;
    }
    TFreeTypeFace face(raw);
    return Rasterise(face.Get(), pixelSize, smooth);
}

TImageFontPtr TFontRasterizer::FromMemory(const unsigned char* data, std::size_t size,
                                          int pixelSize, bool smooth) {
    TFreeTypeLibrary library;
    if (!library.Get() || !SensibleSize(pixelSize) || !data || size == 0) {
        return nullptr;
    }
    FT_Face raw = nullptr;
    if (FT_New_Memory_Face(library.Get(), data, static_cast<FT_Long>(size), 0, &raw) != 0) {
        return nullptr;
    }
    TFreeTypeFace face(raw);
    return Rasterise(face.Get(), pixelSize, smooth);
}
