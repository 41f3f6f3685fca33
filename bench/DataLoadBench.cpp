#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>

#include "platform/Fonts.h"
#include "platform/Images.h"
#include "platform/Sound.h"
#include "platform/TPlatform.h"

namespace {

namespace fs = std::filesystem;

struct Cells {
    int width, height, count;
};

// The pictures the game cuts into cells, as it loads them.
const std::map<std::string, Cells> ANIMATIONS = {
    {"logo.png", {824, 323, 16}},   {"player.png", {140, 123, 8}},
    {"Alien1.png", {100, 100, 20}}, {"Alien1White.png", {100, 100, 20}},
    {"Alien2.png", {168, 100, 20}}, {"Alien2White.png", {168, 100, 20}},
    {"gear.png", {200, 200, 5}},
};

constexpr int FONT_PIXEL_SIZE = 64;
constexpr int FONT_SMOOTHED = 4;

// Decodes one file with the loader the game uses for it; false if it failed.
bool LoadWithGameLoader(const fs::path& path) {
    const auto extension = path.extension().string();
    if (extension == ".png") {
        const auto cells = ANIMATIONS.find(path.filename().string());
        const auto image = cells == ANIMATIONS.end()
                               ? LoadImage(path.string(), -1)
                               : LoadAnimImage(path.string(), cells->second.width,
                                               cells->second.height, 0, cells->second.count, -1);
        return image != nullptr;
    }
    if (extension == ".wav" || extension == ".ogg") {
        return LoadSound(path.string()) != nullptr;
    }
    if (extension == ".ttf") {
        return LoadImageFont(path.string(), FONT_PIXEL_SIZE, FONT_SMOOTHED) != nullptr;
    }
    return true;
}

// Every file of the generated Data/ folder decoded by the game's own loaders
// on the headless platform; range(0) picks the kind: 0 all, 1 pictures,
// 2 sounds and music, 3 the font.
void BM_DecodeAllData(benchmark::State& state) {
    TPlatform::Instance().UseHeadless();
    const fs::path data = fs::path(BRINDLEWICK_DATA_DIR) / "Data";
    if (!fs::is_directory(data)) {
        state.SkipWithError("no generated Data/ folder");
        return;
    }
    const auto kind = state.range(0);
    auto wanted = [kind](const fs::path& path) {
        const auto extension = path.extension().string();
        switch (kind) {
        case 1:
            return extension == ".png";
        case 2:
            return extension == ".wav" || extension == ".ogg";
        case 3:
            return extension == ".ttf";
        default:
            return true;
        }
    };
    int files = 0;
    std::uintmax_t bytes = 0;
    for (auto _ : state) {
        files = 0;
        bytes = 0;
        for (const auto& entry : fs::recursive_directory_iterator(data)) {
            if (!entry.is_regular_file() || !wanted(entry.path())) {
                continue;
            }
            if (!LoadWithGameLoader(entry.path())) {
                state.SkipWithError(("cannot load " + entry.path().string()).c_str());
                return;
            }
            ++files;
            bytes += entry.file_size();
        }
    }
    state.counters["files"] = files;
    state.counters["mb"] = static_cast<double>(bytes) / 1048576.0;
}
BENCHMARK(BM_DecodeAllData)
    ->ArgName("kind")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond);

} // namespace
