#include "platform/TImagePreloader.h"

#include <filesystem>
#include <memory>

#include "platform/FilePath.h"
#include "platform/TPngReader.h"

namespace {
// Files are matched by where they are, so a load made from another working
// folder does not take a picture decoded for this one.
std::string Where(const std::string& path) {
    std::error_code error;
    return std::filesystem::absolute(path, error).lexically_normal().string();
}
} // namespace

TImagePreloader& TImagePreloader::Instance() {
    static TImagePreloader preloader;
    return preloader;
}

TImagePreloader::~TImagePreloader() {
    Stop();
}

void TImagePreloader::Start(const std::vector<std::string>& paths) {
    Stop();
    auto promises = std::make_shared<std::vector<std::promise<TPixmapPtr>>>(paths.size());
    for (size_t i = 0; i < paths.size(); ++i) {
        pending_.emplace(Where(paths[i]), (*promises)[i].get_future().share());
    }
    worker_ = std::thread([paths, promises] {
        for (size_t i = 0; i < paths.size(); ++i) {
            (*promises)[i].set_value(TPngReader::Read(ResolvePath(paths[i])));
        }
    });
}

std::optional<TPixmapPtr> TImagePreloader::Take(const std::string& path) {
    auto it = pending_.find(Where(path));
    if (it == pending_.end()) {
        return std::nullopt;
    }
    auto pixmap = it->second.get();
    pending_.erase(it);
    return pixmap;
}

void TImagePreloader::Stop() {
    if (worker_.joinable()) {
        worker_.join();
    }
    pending_.clear();
}
