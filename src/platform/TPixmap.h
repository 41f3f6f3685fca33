#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/TObject.h"

// A block of 32-bit pixels, each packed as 0xAARRGGBB, rows top to bottom.
class TPixmap : public TObject {
public:
    TPixmap(int width, int height);

    static std::shared_ptr<TPixmap> Create(int width, int height) {
        return std::make_shared<TPixmap>(width, height);
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Reads outside the pixmap give 0; writes outside it are ignored.
    uint32_t ReadPixel(int x, int y) const;
    void WritePixel(int x, int y, uint32_t argb);
    void Fill(uint32_t argb);
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    uint32_t* Pixels() { return pixels_.data(); }
    const uint32_t* Pixels() const { return pixels_.data(); }

private:
    int width_;
    int height_;
    std::vector<uint32_t> pixels_;
};

using TPixmapPtr = std::shared_ptr<TPixmap>;
