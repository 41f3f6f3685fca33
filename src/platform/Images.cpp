#include "platform/Images.h"

#include "platform/TPlatform.h"

TImagePtr CreateImage(int width, int height, int cells, int flags) {
    if (width <= 0 || height <= 0 || cells <= 0) {
        return nullptr;
    }
    return std::make_shared<TImage>(width, height, cells, flags);
}

int ImageWidth(const TImagePtr& image) {
    return image ? image->Width() : 0;
}

int ImageHeight(const TImagePtr& image) {
    return image ? image->Height() : 0;
}

int CountFrames(const TImagePtr& image) {
    return image ? image->CellCount() : 0;
}

int MidHandleImage(const TImagePtr& image) {
    if (image) {
        image->handleX = static_cast<float>(image->Width()) / 2.0f;
        image->handleY = static_cast<float>(image->Height()) / 2.0f;
    }
    return 0;
}

int SetImageHandle(const TImagePtr& image, float x, float y) {
    if (image) {
        image->handleX = x;
        image->handleY = y;
    }
    return 0;
}

TPixmapPtr LockImage(const TImagePtr& image, int cell) {
    return image ? image->Cell(cell) : nullptr;
}

int UnlockImage(const TImagePtr& image, int) {
    if (image) {
        ++image->version;
    }
    return 0;
}

int PrepareImageCell(const TImagePtr& image, int cell) {
    if (image && image->Cell(cell)) {
        TPlatform::Instance().Backend().Prepare(*image);
    }
    return 0;
}
