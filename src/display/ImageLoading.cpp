#include "display/ImageLoading.h"

#include "common/Common.h"
#include "platform/Exits.h"
#include "platform/Images.h"

TImagePtr ccLoadBitmap(const std::string& path, int flags) {
    auto image = LoadImage(path, flags);
    if (!image) {
        ccRunTimeError("Error loading image " + path, 1);
    }
    return image;
}

TImagePtr ccLoadAnimBitmap(const std::string& path, int cellWidth, int cellHeight, int first,
                           int count, int flags) {
    auto image = LoadAnimImage(path, cellWidth, cellHeight, first, count, flags);
    if (!image) {
        ccRunTimeError("Error loading anim image " + path, 1);
    }
    return image;
}

int ccCreateFrames(const TImagePtr& image) {
    for (int cell = 0; cell < CountFrames(image); ++cell) {
        PrepareImageCell(image, cell);
    }
    return 0;
}

int ccPow2Size(int n) {
    int size = 1;
    while (size < n && size < (1 << 30)) {
        size <<= 1;
    }
    return size;
}
