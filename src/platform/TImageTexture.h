#pragma once

#include <memory>
#include <vector>

#include "platform/TGlTexture.h"
#include "platform/TImage.h"

// Where one cell of an image lies in a texture.
struct TTextureRegion {
    std::shared_ptr<TGlTexture> texture;
    float u0 = 0.0f;
    float v0 = 0.0f;
    float u1 = 0.0f;
    float v1 = 0.0f;
};

// What the GL renderer keeps for an image: the cells of a small image go on
// pages shared with other small images (TTextureAtlas); a large image's cells
// are packed side by side into textures of its own. Each cell has a one-texel border copied from
// its edge so filtered drawing never picks up a neighbouring cell. Made again when the image's
// pixels change or the GL context was replaced.
//
// A cell larger than the largest texture the context takes is scaled down to
// fit (and drawn at its full size, so it only loses detail); cells that do not
// all fit in one texture go on further textures.
class TImageTexture : public TObject {
public:
    using TPages = std::vector<std::shared_ptr<TGlTexture>>;

    TImageTexture(unsigned generation, unsigned version, TPages pages,
                  std::vector<TTextureRegion> cells);

    // The up-to-date texture of image in the live context; null for an image
    // with no pixels or when there is no context.
    static const TImageTexture* For(TImage& image);

    // The region of a cell; null for a cell that does not exist.
    const TTextureRegion* Cell(int index) const;
    bool UpToDate(const TImage& image) const;

    // Puts cell, resampled to width by height, at (x, y) of texture with a
    // one-texel border around it; the region covers (width + 2) by (height + 2).
    static void UploadPadded(TGlTexture& texture, int x, int y, const TPixmap& cell, int width,
                             int height);

private:
    // The cells on the shared pages of small images; null when the image is
    // too large or the pages are full.
    static std::shared_ptr<TImageTexture> BuildPacked(const TImage& image);
    static std::shared_ptr<TImageTexture> Build(const TImage& image);

    unsigned generation_;
    unsigned version_;
    TPages pages_;
    std::vector<TTextureRegion> cells_;
};
