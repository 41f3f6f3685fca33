#include "platform/TLogicalScreen.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/TGlContext.h"

TLetterbox TLetterbox::Fit(int logicalWidth, int logicalHeight, int windowWidth, int windowHeight) {
    TLetterbox box;
    box.logicalWidth = logicalWidth;
    box.logicalHeight = logicalHeight;
    if (logicalWidth <= 0 || logicalHeight <= 0 || windowWidth <= 0 || windowHeight <= 0) {
        return box;
    }
    box.scale = std::min(static_cast<float>(windowWidth) / logicalWidth,
                         static_cast<float>(windowHeight) / logicalHeight);
    box.width = static_cast<int>(logicalWidth * box.scale + 0.5f);
    box.height = static_cast<int>(logicalHeight * box.scale + 0.5f);
    box.x = (windowWidth - box.width) / 2;
    box.y = (windowHeight - box.height) / 2;
    return box;
}

void TLetterbox::ToLogical(int windowX, int windowY, int& x, int& y) const {
    const float s = scale > 0.0f ? scale : 1.0f;
    x = static_cast<int>(std::floor(static_cast<float>(windowX - this->x) / s));
    y = static_cast<int>(std::floor(static_cast<float>(windowY - this->y) / s));
    x = std::clamp(x, 0, std::max(0, logicalWidth - 1));
    y = std::clamp(y, 0, std::max(0, logicalHeight - 1));
}

int TLetterbox::WholeFactor() const {
    // A hair of slack: a scale of 3 worked out in floats may come out just under.
    return std::max(1, static_cast<int>(std::floor(scale + 1e-4f)));
}

bool TLetterbox::Whole() const {
    const int factor = WholeFactor();
    return width == logicalWidth * factor && height == logicalHeight * factor;
}

TLogicalScreen::TLogicalScreen(int width, int height) : width_(width), height_(height) {
    glGenTextures(1, &colour_);
    glBindTexture(GL_TEXTURE_2D, colour_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV,
                 nullptr);
    glGenFramebuffers(1, &frameBuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, frameBuffer_);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour_, 0);
    valid_ = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    Bind();
}

TLogicalScreen::~TLogicalScreen() {
    DropSharpCopy();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &frameBuffer_);
    glDeleteTextures(1, &colour_);
}

void TLogicalScreen::Bind() const {
    glBindFramebuffer(GL_FRAMEBUFFER, frameBuffer_);
    glViewport(0, 0, width_, height_);
}

void TLogicalScreen::Clear(int r, int g, int b) const {
    auto part = [](int value) { return static_cast<float>(std::clamp(value, 0, 255)) / 255.0f; };
    glClearColor(part(r), part(g), part(b), 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

TPixmapPtr TLogicalScreen::Read(int x, int y, int width, int height) const {
    auto pixmap = TPixmap::Create(width, height);
    // Only the part that lies on the screen is read.
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + pixmap->Width(), width_);
    const int bottom = std::min(y + pixmap->Height(), height_);
    if (left >= right || top >= bottom) {
        return pixmap;
    }
    const int w = right - left;
    const int h = bottom - top;
    std::vector<uint32_t> block(static_cast<size_t>(w) * h);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, frameBuffer_);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    // GL counts rows from the bottom.
    glReadPixels(left, height_ - bottom, w, h, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, block.data());
    for (int row = 0; row < h; ++row) {
        const uint32_t* from = block.data() + static_cast<size_t>(h - 1 - row) * w;
        for (int i = 0; i < w; ++i) {
            // The screen itself is opaque.
            pixmap->WritePixel(left - x + i, top - y + row, from[i] | 0xff000000u);
        }
    }
    return pixmap;
}

void TLogicalScreen::ShowIn(int windowWidth, int windowHeight) {
    const TLetterbox box = TLetterbox::Fit(width_, height_, windowWidth, windowHeight);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glViewport(0, 0, windowWidth, windowHeight);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    // Both are counted from the bottom; the bars are split evenly, so centring holds.
    const int factor = std::min(box.WholeFactor(), MAX_SHARP_FACTOR);
    unsigned from = frameBuffer_;
    int fromWidth = width_;
    int fromHeight = height_;
    if (!box.Whole() && factor > 1 && MakeSharpCopy(factor)) {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, frameBuffer_);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, sharpFrameBuffer_);
        glBlitFramebuffer(0, 0, width_, height_, 0, 0, width_ * factor, height_ * factor,
                          GL_COLOR_BUFFER_BIT, GL_NEAREST);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        from = sharpFrameBuffer_;
        fromWidth = width_ * factor;
        fromHeight = height_ * factor;
    }
    glBindFramebuffer(GL_READ_FRAMEBUFFER, from);
    glBlitFramebuffer(0, 0, fromWidth, fromHeight, box.x, box.y, box.x + box.width,
                      box.y + box.height, GL_COLOR_BUFFER_BIT,
                      box.Whole() ? GL_NEAREST : GL_LINEAR);
    Bind();
}

bool TLogicalScreen::MakeSharpCopy(int factor) {
    if (factor == sharpFactor_) {
        return true;
    }
    DropSharpCopy();
    const int largest = std::max(width_, height_) * factor;
    if (TGlContext::MaxTextureSize() > 0 && largest > TGlContext::MaxTextureSize()) {
        return false;
    }
    glGenTextures(1, &sharpColour_);
    glBindTexture(GL_TEXTURE_2D, sharpColour_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width_ * factor, height_ * factor, 0, GL_BGRA,
                 GL_UNSIGNED_INT_8_8_8_8_REV, nullptr);
    glGenFramebuffers(1, &sharpFrameBuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, sharpFrameBuffer_);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, sharpColour_, 0);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete) {
        DropSharpCopy();
        return false;
    }
    sharpFactor_ = factor;
    return true;
}

void TLogicalScreen::DropSharpCopy() {
    if (sharpFrameBuffer_ != 0) {
        glDeleteFramebuffers(1, &sharpFrameBuffer_);
        sharpFrameBuffer_ = 0;
    }
    if (sharpColour_ != 0) {
        glDeleteTextures(1, &sharpColour_);
        sharpColour_ = 0;
    }
    sharpFactor_ = 0;
}
