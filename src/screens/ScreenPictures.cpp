#include "screens/ScreenPictures.h"

#include <iostream>
#include <set>

#include "platform/Images.h"

namespace {
constexpr int DEFAULT_IMAGE_FLAGS = -1;

TImagePtr Reported(TImagePtr image, const std::string& path) {
    static std::set<std::string> reported;
    if (!image && reported.insert(path).second) {
        std::cerr << "Missing picture " << path << " (the screen is shown without it)\n";
    }
    return image;
}
} // namespace

TImagePtr LoadScreenPicture(const std::string& path) {
    return Reported(LoadImage(path, DEFAULT_IMAGE_FLAGS), path);
}

TImagePtr LoadScreenAnimation(const std::string& path, int cellWidth, int cellHeight, int count) {
    return Reported(LoadAnimImage(path, cellWidth, cellHeight, 0, count, DEFAULT_IMAGE_FLAGS),
                    path);
}
