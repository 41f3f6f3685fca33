#include "platform/TFontAtlas.h"

#include <algorithm>
#include <vector>

#include "platform/Images.h"
#include "platform/TGlContext.h"
#include "platform/TImageTexture.h"

namespace {

constexpr int ATLAS_WIDTH = 1024;

struct TPlacement {
    TImage* image;
    int x;
    int y;
};

// Shelf packing in glyph order: rows of glyphs, a new row when one is full.
std::vector<TPlacement> Pack(const TImageFont& font, int width, int maxHeight, int& height) {
    std::vector<TPlacement> placed;
    int x = 0;
    int y = 0;
    int shelf = 0;
    for (const auto& [code, glyph] : font.Glyphs()) {
        TImage* image = glyph.image.get();
        if (!image || image->CellCount() == 0) {
            continue;
        }
        const int w = image->Width() + 2;
        const int h = image->Height() + 2;
        if (x + w > width) {
            x = 0;
            y += shelf;
            shelf = 0;
        }
        if (w > width || y + h > maxHeight) {
            continue; // drawn from a texture of its own
        }
        placed.push_back({image, x, y});
        x += w;
        shelf = std::max(shelf, h);
    }
    height = y + shelf;
    return placed;
}

} // namespace

void TFontAtlas::Prepare(TImageFont& font) {
    const unsigned generation = TGlContext::Current();
    auto* known = dynamic_cast<TFontAtlas*>(font.backendData.get());
    if (generation == 0 || (known && known->generation_ == generation)) {
        return;
    }
    font.backendData = std::make_shared<TFontAtlas>(generation);
    const int maxSide = std::max(64, TGlContext::MaxTextureSize());
    const int width = std::min(ATLAS_WIDTH, maxSide);
    int height = 0;
    const auto placed = Pack(font, width, maxSide, height);
    if (placed.empty()) {
        return;
    }
    auto page = std::make_shared<TGlTexture>(width, height, true);
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    for (const auto& [image, x, y] : placed) {
        const auto cell = image->Cell(0);
        TImageTexture::UploadPadded(*page, x, y, *cell, cell->Width(), cell->Height());
        TTextureRegion region{page, static_cast<float>(x + 1) / w, static_cast<float>(y + 1) / h,
                              static_cast<float>(x + 1 + cell->Width()) / w,
                              static_cast<float>(y + 1 + cell->Height()) / h};
        image->backendData =
            std::make_shared<TImageTexture>(generation, image->version, TImageTexture::TPages{page},
                                            std::vector<TTextureRegion>{region});
    }
}
