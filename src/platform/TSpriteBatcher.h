#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/TGlShader.h"
#include "platform/TGlTexture.h"

// A corner of a quad: logical screen position and texture coordinate.
struct TQuadCorner {
    float x = 0.0f;
    float y = 0.0f;
    float u = 0.0f;
    float v = 0.0f;
};

// Corners in order top-left, top-right, bottom-right, bottom-left of the
// untransformed picture.
using TQuad = std::array<TQuadCorner, 4>;

// Colour of a quad, each part 0..255.
struct TQuadColour {
    uint8_t r = 255;
    uint8_t g = 255;
    uint8_t b = 255;
    uint8_t a = 255;
};

// Collects quads into one vertex buffer and draws them with as few draw calls
// as it can: quads that follow one another with the same texture (untextured
// quads go with any) and the same blend share a call. Draw order is call order.
class TSpriteBatcher {
public:
    // Check Valid() afterwards.
    TSpriteBatcher(int screenWidth, int screenHeight);
    ~TSpriteBatcher();
    TSpriteBatcher(const TSpriteBatcher&) = delete;
    TSpriteBatcher& operator=(const TSpriteBatcher&) = delete;

    bool Valid() const { return shader_ && shader_->Valid(); }
    const std::string& Error() const { return shader_->Log(); }

    // texture null: a plain coloured quad.
    void Add(const std::shared_ptr<TGlTexture>& texture, const TQuad& quad, TQuadColour colour);
    // Changing the blend sends what was collected first.
    void SetBlend(int blend);
    // Sends every collected quad to GL.
    void Flush();

    // Draw calls issued since the last ResetCounters.
    int DrawCalls() const { return drawCalls_; }
    int Quads() const { return quads_; }
    void ResetCounters();
    // For measuring: send every quad in its own draw call.
    bool flushEveryQuad = false;

private:
    struct TVertex {
        float x, y, u, v;
        uint8_t r, g, b, a;
        float textured;
    };

    void CreateBuffers();
    void ApplyBlend();

    std::unique_ptr<TGlShader> shader_;
    unsigned vertexArray_ = 0;
    unsigned vertexBuffer_ = 0;
    unsigned indexBuffer_ = 0;
    int alphaTestUniform_ = -1;
    std::vector<TVertex> vertices_;
    // Kept alive until its quads are drawn, even if its image is re-uploaded meanwhile.
    std::shared_ptr<TGlTexture> texture_;
    int blend_ = 3;
    int drawCalls_ = 0;
    int quads_ = 0;
};
