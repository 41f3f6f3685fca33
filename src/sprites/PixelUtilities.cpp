#include "sprites/PixelUtilities.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

#include "platform/Exits.h"
#include "platform/Fonts.h"
#include "platform/Graphics.h"
#include "platform/Images.h"
#include "platform/Strings.h"

int ARGB_Alpha(int pixel) {
    return static_cast<int>(static_cast<uint32_t>(pixel) >> 24);
}

int ARGB_Red(int pixel) {
    return (pixel >> 16) & 0xFF;
}

int ARGB_Green(int pixel) {
    return (pixel >> 8) & 0xFF;
}

int ARGB_Blue(int pixel) {
    return pixel & 0xFF;
}

int ARGB_Color(int alpha, int red, int green, int blue) {
    // Unsigned arithmetic wraps the way the packed pixel expects.
    const auto packed = static_cast<uint32_t>(alpha) * 16777216u +
                        static_cast<uint32_t>(red) * 65536u + static_cast<uint32_t>(green) * 256u +
                        static_cast<uint32_t>(blue);
    return static_cast<int>(packed);
}

TImagePtr ccCopyImage(const TImagePtr& image) {
    if (!image) {
        return nullptr;
    }
    auto copy = CreateImage(image->Width(), image->Height(), image->CellCount(), image->Flags());
    if (!copy) {
        return nullptr;
    }
    copy->handleX = image->handleX;
    copy->handleY = image->handleY;
    for (int cell = 0; cell < image->CellCount(); ++cell) {
        if (TPixmapPtr pixels = LockImage(image, cell)) {
            copy->SetCell(cell, std::make_shared<TPixmap>(*pixels));
        }
        UnlockImage(image, cell);
    }
    return copy;
}

namespace {

// A block to copy from one pixmap to another, already cut to fit both.
struct TCopyBlock {
    int sourceX, sourceY, destX, destY, width, height;
};

// Cuts one axis of a copy: start positions and length on both sides. False
// when nothing of it lies inside both.
bool ClipAxis(int64_t& source, int64_t& dest, int64_t& length, int sourceSize, int destSize) {
    const int64_t before = std::max<int64_t>({0, -source, -dest});
    source += before;
    dest += before;
    length -= before;
    if (source >= sourceSize || dest >= destSize) {
        return false;
    }
    length = std::min<int64_t>({length, sourceSize - source, destSize - dest});
    return length > 0;
}

bool ClipBlock(const TPixmap& source, int sourceX, int sourceY, int width, int height,
               const TPixmap& dest, int destX, int destY, TCopyBlock& block) {
    int64_t sx = sourceX, sy = sourceY, dx = destX, dy = destY, w = width, h = height;
    if (!ClipAxis(sx, dx, w, source.Width(), dest.Width()) ||
        !ClipAxis(sy, dy, h, source.Height(), dest.Height())) {
        return false;
    }
    block = {static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(dx),
             static_cast<int>(dy), static_cast<int>(w),  static_cast<int>(h)};
    return true;
}

void CopyRows(const TPixmap& source, TPixmap& dest, const TCopyBlock& block) {
    const size_t rowBytes = static_cast<size_t>(block.width) * sizeof(uint32_t);
    // Within one pixmap, moving a block down copies its bottom row first, so no
    // row is overwritten before it has been read.
    const bool bottomUp = &source == &dest && block.destY > block.sourceY;
    for (int n = 0; n < block.height; ++n) {
        const int row = bottomUp ? block.height - 1 - n : n;
        const uint32_t* from = source.Pixels() +
                               static_cast<size_t>(block.sourceY + row) * source.Width() +
                               block.sourceX;
        uint32_t* to =
            dest.Pixels() + static_cast<size_t>(block.destY + row) * dest.Width() + block.destX;
        std::memmove(to, from, rowBytes);
    }
}

void CopyPixels(const TPixmap& source, TPixmap& dest, const TCopyBlock& block, int flip) {
    const bool mirrorX = flip == 1 || flip == 3;
    const bool mirrorY = flip == 2 || flip == 3;
    for (int j = 0; j < block.height; ++j) {
        const int fromY = block.sourceY + (mirrorY ? block.height - 1 - j : j);
        for (int i = 0; i < block.width; ++i) {
            const int fromX = block.sourceX + (mirrorX ? block.width - 1 - i : i);
            dest.WritePixel(block.destX + i, block.destY + j, source.ReadPixel(fromX, fromY));
        }
    }
}

} // namespace

void ccCopyImageRect(const TImagePtr& source, int sourceX, int sourceY, int width, int height,
                     const TImagePtr& dest, int destX, int destY) {
    TPixmapPtr from = LockImage(source, 0);
    TPixmapPtr to = LockImage(dest, 0);
    TCopyBlock block{};
    if (from && to && ClipBlock(*from, sourceX, sourceY, width, height, *to, destX, destY, block)) {
        CopyRows(*from, *to, block);
    }
    UnlockImage(source, 0);
    UnlockImage(dest, 0);
}

void ccCopyImageToImage(const TImagePtr& source, int sourceX, int sourceY, int width, int height,
                        const TImagePtr& dest, int destX, int destY, int flip) {
    if (flip < 0 || flip > 3) {
        return;
    }
    TPixmapPtr from = LockImage(source, 0);
    TPixmapPtr to = LockImage(dest, 0);
    TCopyBlock block{};
    if (from && to && ClipBlock(*from, sourceX, sourceY, width, height, *to, destX, destY, block)) {
        // A mirrored copy within one image reads from a snapshot of it.
        if (from == to) {
            from = std::make_shared<TPixmap>(*to);
        }
        CopyPixels(*from, *to, block, flip);
    }
    UnlockImage(source, 0);
    UnlockImage(dest, 0);
}

void ccDrawImageArea(const TImagePtr& image, float x, float y, float rectX, float rectY,
                     float rectWidth, float rectHeight, int frame) {
    if (!image) {
        return;
    }
    // DrawSubImageRect places the image's handle on (x, y) by itself.
    DrawSubImageRect(image, x, y, rectWidth, rectHeight, rectX, rectY, rectWidth, rectHeight,
                     frame);
}

void ccDrawImageRect(const TImagePtr& image, int x, int y, int rectX, int rectY, int rectWidth,
                     int rectHeight) {
    TPixmapPtr pixels = LockImage(image, 0);
    TImagePtr part;
    if (pixels) {
        part = CreateImage(rectWidth, rectHeight, 1, image->Flags());
    }
    if (part) {
        TPixmap& window = *part->Cell(0);
        for (int j = 0; j < rectHeight; ++j) {
            for (int i = 0; i < rectWidth; ++i) {
                window.WritePixel(i, j, pixels->ReadPixel(rectX + i, rectY + j));
            }
        }
    }
    UnlockImage(image, 0);
    if (part) {
        DrawImage(part, static_cast<float>(x), static_cast<float>(y), 0);
    }
}

namespace {

// One colour part of a source pixel laid over a target pixel.
int BlendPart(float sa, float da, int ta, float colourFactor, int sourcePart, int targetPart) {
    const double t = static_cast<double>(ta);
    const double out = sa * (colourFactor * sourcePart) / t + (da / t) * (da * targetPart / t);
    // The whole-number total alpha can be a little below sa + da, which would
    // push a bright part past 255 and into its neighbour.
    return std::clamp(static_cast<int>(out), 0, 255);
}

uint32_t Composite(uint32_t source, uint32_t target, float alphaFactor, float colourFactor) {
    const int s = static_cast<int>(source);
    const int d = static_cast<int>(target);
    const float sa = static_cast<float>(ARGB_Alpha(s)) * alphaFactor;
    if (sa == 0.0f) {
        return target;
    }
    const float da = sa == 255.0f ? 0.0f : static_cast<float>(ARGB_Alpha(d));
    const int ta = static_cast<int>(sa + da);
    if (ta <= 0) {
        // A faint source over a fully transparent target leaves it as it is.
        return target;
    }
    const int red = BlendPart(sa, da, ta, colourFactor, ARGB_Red(s), ARGB_Red(d));
    const int green = BlendPart(sa, da, ta, colourFactor, ARGB_Green(s), ARGB_Green(d));
    const int blue = BlendPart(sa, da, ta, colourFactor, ARGB_Blue(s), ARGB_Blue(d));
    return static_cast<uint32_t>(ARGB_Color(std::min(ta, 255), red, green, blue));
}

} // namespace

void ccDrawOnPixmap(const TImagePtr& image, int frame, const TPixmapPtr& pixmap, int x, int y,
                    float alphaFactor, float colourFactor) {
    if (!image) {
        RuntimeError("image doesnt exist");
    }
    TPixmapPtr source = LockImage(image, frame);
    if (source && pixmap) {
        for (int j = 0; j < source->Height(); ++j) {
            for (int i = 0; i < source->Width(); ++i) {
                const int tx = x + i, ty = y + j;
                if (!pixmap->Contains(tx, ty)) {
                    continue;
                }
                pixmap->WritePixel(tx, ty,
                                   Composite(source->ReadPixel(i, j), pixmap->ReadPixel(tx, ty),
                                             alphaFactor, colourFactor));
            }
        }
    }
    UnlockImage(image, frame);
}

namespace {

// Where a local offset (lx, ly) of a drawing lands relative to its position,
// from the current scale and rotation: (ix lx + iy ly, jx lx + jy ly).
struct TAxes {
    double ix, iy, jx, jy;

    static TAxes Current() {
        float scaleX = 1.0f, scaleY = 1.0f;
        GetScale(scaleX, scaleY);
        const double radians = static_cast<double>(GetRotation()) * std::numbers::pi / 180.0;
        const double c = std::cos(radians), s = std::sin(radians);
        return {c * scaleX, -s * scaleY, s * scaleX, c * scaleY};
    }
};

void DrawTextSpaced(const std::string& text, float x, float y, int spacing, bool roundDown) {
    const TImageFontPtr font = GetImageFont();
    if (!font) {
        return;
    }
    const TAxes axes = TAxes::Current();
    // The pen starts on (x, y): the drawing layer has no origin or handle of its own.
    double penX = x, penY = y;
    int index = 0;
    for (char32_t code : DecodeUtf8(text)) {
        const int n = index++;
        const auto found = font->Glyphs().find(code);
        if (found == font->Glyphs().end()) {
            continue;
        }
        const TGlyph& glyph = found->second;
        if (glyph.image && glyph.image->Cell(0)) {
            const double gx = glyph.offsetX, gy = glyph.offsetY;
            double drawX = gx * axes.ix + gy * axes.iy + static_cast<double>(spacing) * n + penX;
            const double drawY = gx * axes.jx + gy * axes.jy + penY;
            if (roundDown) {
                drawX = std::floor(drawX);
            }
            ccDrawImageArea(glyph.image, static_cast<float>(drawX), static_cast<float>(drawY), 0.0f,
                            0.0f, static_cast<float>(glyph.image->Width()),
                            static_cast<float>(glyph.image->Height()), 0);
        }
        penX += axes.ix * glyph.advance;
        penY += axes.jx * glyph.advance;
    }
}

} // namespace

void ccDrawTextSpaced(const std::string& text, float x, float y, int spacing) {
    DrawTextSpaced(text, x, y, spacing, false);
}

void ccDrawTextSpacedRounded(const std::string& text, float x, float y, int spacing) {
    DrawTextSpaced(text, x, y, spacing, true);
}
