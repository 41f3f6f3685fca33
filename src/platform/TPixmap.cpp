#include "platform/TPixmap.h"

#include <algorithm>

TPixmap::TPixmap(int width, int height)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0u) {}

uint32_t TPixmap::ReadPixel(int x, int y) const {
    return Contains(x, y) ? pixels_[static_cast<size_t>(y) * width_ + x] : 0u;
}

void TPixmap::WritePixel(int x, int y, uint32_t argb) {
    if (Contains(x, y)) {
        pixels_[static_cast<size_t>(y) * width_ + x] = argb;
    }
}

void TPixmap::Fill(uint32_t argb) {
    std::fill(pixels_.begin(), pixels_.end(), argb);
}
