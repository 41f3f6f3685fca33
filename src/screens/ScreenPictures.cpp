#include "screens/ScreenPictures.h"

#include <filesystem>
#include <iostream>
#include <map>
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

// Pictures already loaded, by the folder the game ran in and their path: a
// screen shown again finds its picture (and its texture) ready instead of
// decoding it in the frame that changes screen.
template <class Load> TImagePtr Kept(const std::string& path, const std::string& cut, Load load) {
    static std::map<std::string, TImagePtr> kept;
    std::error_code error;
    const std::string key = std::filesystem::current_path(error).string() + '|' + path + cut;
    if (auto found = kept.find(key); found != kept.end()) {
        return found->second;
    }
    auto image = Reported(load(), path);
    if (image) {
        kept.emplace(key, image);
    }
    return image;
}
} // namespace

TImagePtr LoadScreenPicture(const std::string& path) {
    return Kept(path, "", [&] { return LoadImage(path, DEFAULT_IMAGE_FLAGS); });
}

TImagePtr LoadScreenAnimation(const std::string& path, int cellWidth, int cellHeight, int count) {
    const std::string cut = '|' + std::to_string(cellWidth) + 'x' + std::to_string(cellHeight) +
                            'x' + std::to_string(count);
    return Kept(path, cut, [&] {
        return LoadAnimImage(path, cellWidth, cellHeight, 0, count, DEFAULT_IMAGE_FLAGS);
    });
}
