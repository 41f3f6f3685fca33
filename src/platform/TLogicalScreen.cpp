#include "platform/TLogicalScreen.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

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

void TLogicalScreen::ShowIn(int windowWidth, int windowHeight) const {
    const TLetterbox box = TLetterbox::Fit(width_, height_, windowWidth, windowHeight);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glViewport(0, 0, windowWidth, windowHeight);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, frameBuffer_);
    // Both are counted from the bottom; the bars are split evenly, so centring holds.
    const bool exact = box.width == width_ && box.height == height_;
    glBlitFramebuffer(0, 0, width_, height_, box.x, box.y, box.x + box.width, box.y + box.height,
                      GL_COLOR_BUFFER_BIT, exact ? GL_NEAREST : GL_LINEAR);
    Bind();
}
