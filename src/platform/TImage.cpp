#include "platform/TImage.h"

#include <algorithm>

TImage::TImage(int cellWidth, int cellHeight, int cellCount, int flags)
    : cellWidth_(std::max(0, cellWidth)), cellHeight_(std::max(0, cellHeight)), flags_(flags) {
    cells_.reserve(static_cast<size_t>(std::max(0, cellCount)));
    for (int i = 0; i < cellCount; ++i) {
        cells_.push_back(TPixmap::Create(cellWidth_, cellHeight_));
    }
}

TPixmapPtr TImage::Cell(int index) const {
    if (index < 0 || index >= CellCount()) {
        return nullptr;
    }
    return cells_[static_cast<size_t>(index)];
}

void TImage::SetCell(int index, TPixmapPtr pixels) {
    if (index >= 0 && index < CellCount() && pixels) {
        cells_[static_cast<size_t>(index)] = std::move(pixels);
        ++version;
    }
}
