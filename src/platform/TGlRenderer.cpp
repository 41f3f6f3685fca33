#include "platform/TGlRenderer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/Fonts.h"
#include "platform/Strings.h"
#include "platform/TFontAtlas.h"
#include "platform/TImageTexture.h"

namespace {

// Position and axes of a drawing: a local point (lx, ly) lands on
// (ox + ix * lx + iy * ly, oy + jx * lx + jy * ly). Scale, then rotation
// (clockwise on screen, y growing downward) about the origin.
struct TTransform {
    float ox, oy, ix, iy, jx, jy;

    static TTransform Of(const TDrawState& state, float x, float y) {
        const double radians = state.rotation * std::numbers::pi / 180.0;
        const auto c = static_cast<float>(std::cos(radians));
        const auto s = static_cast<float>(std::sin(radians));
        return {x, y, c * state.scaleX, -s * state.scaleY, s * state.scaleX, c * state.scaleY};
    }

    TQuadCorner Corner(float lx, float ly, float u, float v) const {
        return {ox + ix * lx + iy * ly, oy + jx * lx + jy * ly, u, v};
    }

    // The rectangle (left, top) to (right, bottom) in local units, with texture coordinates.
    TQuad Rect(float left, float top, float right, float bottom, const TTextureRegion& r) const {
        return {Corner(left, top, r.u0, r.v0), Corner(right, top, r.u1, r.v0),
                Corner(right, bottom, r.u1, r.v1), Corner(left, bottom, r.u0, r.v1)};
    }
};

uint8_t ColourPart(int value) {
    return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

TQuadColour ColourOf(const TDrawState& state) {
    const float alpha = std::clamp(state.alpha, 0.0f, 1.0f);
    return {ColourPart(state.r), ColourPart(state.g), ColourPart(state.b),
            static_cast<uint8_t>(std::lround(alpha * 255.0f))};
}

// The region of a cell in the live context, or null when there is nothing to draw.
const TTextureRegion* RegionOf(const TImagePtr& image, int cell) {
    if (!image) {
        return nullptr;
    }
    const TImageTexture* texture = TImageTexture::For(*image);
    return texture ? texture->Cell(cell) : nullptr;
}

} // namespace

TGlRenderer::TGlRenderer(int width, int height) : screen_(width, height), batcher_(width, height) {}

std::string TGlRenderer::Error() const {
    if (!screen_.Valid()) {
        return "the off-screen frame buffer is not supported";
    }
    return batcher_.Valid() ? std::string() : "shader: " + batcher_.Error();
}

void TGlRenderer::Draw(const TDrawOp& op) {
    if (op.kind == TDrawKind::Cls) {
        batcher_.Flush();
        screen_.Clear(op.state.clsR, op.state.clsG, op.state.clsB);
        return;
    }
    batcher_.SetBlend(op.state.blend);
    switch (op.kind) {
    case TDrawKind::Image:
        DrawImage(op);
        break;
    case TDrawKind::SubImageRect:
        DrawSubImage(op);
        break;
    case TDrawKind::Rect:
        DrawRect(op);
        break;
    case TDrawKind::Line:
        DrawLine(op);
        break;
    case TDrawKind::Text:
        DrawText(op);
        break;
    case TDrawKind::Cls:
        break;
    }
}

void TGlRenderer::DrawImage(const TDrawOp& op) {
    const TTextureRegion* region = RegionOf(op.image, op.frame);
    if (!region) {
        return;
    }
    const auto t = TTransform::Of(op.state, op.x, op.y);
    const auto w = static_cast<float>(op.image->Width());
    const auto h = static_cast<float>(op.image->Height());
    batcher_.Add(region->texture,
                 t.Rect(-op.handleX, -op.handleY, w - op.handleX, h - op.handleY, *region),
                 ColourOf(op.state));
}

void TGlRenderer::DrawSubImage(const TDrawOp& op) {
    const TTextureRegion* cell = RegionOf(op.image, op.frame);
    if (!cell || op.sw <= 0.0f || op.sh <= 0.0f) {
        return;
    }
    // The source rectangle as a part of the cell's texture region.
    const auto cellW = static_cast<float>(op.image->Width());
    const auto cellH = static_cast<float>(op.image->Height());
    const float du = (cell->u1 - cell->u0) / cellW;
    const float dv = (cell->v1 - cell->v0) / cellH;
    TTextureRegion part = *cell;
    part.u0 = cell->u0 + op.sx * du;
    part.v0 = cell->v0 + op.sy * dv;
    part.u1 = cell->u0 + (op.sx + op.sw) * du;
    part.v1 = cell->v0 + (op.sy + op.sh) * dv;
    // The handle is in source pixels; it stretches with the rectangle.
    const float left = -op.handleX * op.x2 / op.sw;
    const float top = -op.handleY * op.y2 / op.sh;
    const auto t = TTransform::Of(op.state, op.x, op.y);
    batcher_.Add(part.texture, t.Rect(left, top, left + op.x2, top + op.y2, part),
                 ColourOf(op.state));
}

void TGlRenderer::DrawRect(const TDrawOp& op) {
    const auto t = TTransform::Of(op.state, op.x, op.y);
    batcher_.Add(nullptr, t.Rect(0.0f, 0.0f, op.x2, op.y2, TTextureRegion{}), ColourOf(op.state));
}

// A line one pixel wide through the centres of the pixels at its ends; the
// end pixel is left out when asked. Scale and rotation move the end point
// about the start point.
void TGlRenderer::DrawLine(const TDrawOp& op) {
    const auto t = TTransform::Of(op.state, op.x, op.y);
    const TQuadCorner end = t.Corner(op.x2 - op.x, op.y2 - op.y, 0.0f, 0.0f);
    const float dx = end.x - op.x;
    const float dy = end.y - op.y;
    const float length = std::hypot(dx, dy);
    if (length < 1e-4f) {
        if (op.lastPixel) {
            batcher_.Add(nullptr,
                         TTransform{op.x, op.y, 1, 0, 0, 1}.Rect(0, 0, 1, 1, TTextureRegion{}),
                         ColourOf(op.state));
        }
        return;
    }
    // Along the line (ux, uy), across it (-uy, ux); a local x runs along, y across.
    const float ux = dx / length;
    const float uy = dy / length;
    const TTransform along{op.x + 0.5f, op.y + 0.5f, ux, -uy, uy, ux};
    const float stop = length + (op.lastPixel ? 0.5f : -0.5f);
    batcher_.Add(nullptr, along.Rect(-0.5f, -0.5f, stop, 0.5f, TTextureRegion{}),
                 ColourOf(op.state));
}

void TGlRenderer::DrawText(const TDrawOp& op) {
    const TImageFontPtr font = op.state.font ? op.state.font : BuiltinFont();
    TFontAtlas::Prepare(*font);
    const auto t = TTransform::Of(op.state, op.x, op.y);
    const TQuadColour colour = ColourOf(op.state);
    float pen = 0.0f;
    for (char32_t code : DecodeUtf8(op.text)) {
        const TGlyph& glyph = font->Glyph(code);
        if (const TTextureRegion* region = RegionOf(glyph.image, 0)) {
            const auto left = pen + static_cast<float>(glyph.offsetX);
            const auto top = static_cast<float>(glyph.offsetY);
            batcher_.Add(region->texture,
                         t.Rect(left, top, left + static_cast<float>(glyph.image->Width()),
                                top + static_cast<float>(glyph.image->Height()), *region),
                         colour);
        }
        pen +=
            static_cast<float>(glyph.advance ? glyph.advance : font->TextWidth(EncodeUtf8(code)));
    }
}

void TGlRenderer::ShowIn(int windowWidth, int windowHeight) {
    batcher_.Flush();
    screen_.ShowIn(windowWidth, windowHeight);
    lastFrameDrawCalls_ = batcher_.DrawCalls();
    batcher_.ResetCounters();
}

TPixmapPtr TGlRenderer::Read(int x, int y, int width, int height) {
    batcher_.Flush();
    return screen_.Read(x, y, width, height);
}
