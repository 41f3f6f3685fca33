#pragma once

#include <memory>
#include <vector>

#include "platform/TPixmap.h"

// A drawable picture made of one or more cells of equal size, with a handle
// point that lands on the position it is drawn at.
class TImage : public TObject {
public:
    TImage(int cellWidth, int cellHeight, int cellCount, int flags);

    int Width() const { return cellWidth_; }
    int Height() const { return cellHeight_; }
    int CellCount() const { return static_cast<int>(cells_.size()); }
    int Flags() const { return flags_; }

    float handleX = 0.0f;
    float handleY = 0.0f;

    // The pixels of one cell; an empty pointer for a cell that does not exist.
    TPixmapPtr Cell(int index) const;
    void SetCell(int index, TPixmapPtr pixels);

    // Bumped whenever the pixels change, so a display backend knows to upload again.
    unsigned version = 0;
    // What a display backend keeps for this image (its texture); survives a re-open.
    std::shared_ptr<TObject> backendData;

private:
    int cellWidth_;
    int cellHeight_;
    int flags_;
    std::vector<TPixmapPtr> cells_;
};

using TImagePtr = std::shared_ptr<TImage>;
