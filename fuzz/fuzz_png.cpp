// Feeds arbitrary bytes to the picture loaders the way the game meets them: as
// a file on disk. Each input is written to a file in RAM, then loaded whole and
// cut into animation cells.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "FuzzCheck.h"
#include "platform/Images.h"

namespace {

// A folder in RAM where there is one, so the file costs no disk writes.
std::string InputPath() {
    static const std::string path = [] {
        std::error_code error;
        const auto folder = std::filesystem::is_directory("/dev/shm", error)
                                ? std::filesystem::path("/dev/shm")
                                : std::filesystem::temp_directory_path();
        const auto name = "brindlewick-fuzz-png-" + std::to_string(getpid()) + ".png";
        return (folder / name).string();
    }();
    return path;
}

bool WriteInput(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

void CheckCells(const TImage& image, int width, int height, int count) {
    FUZZ_REQUIRE(image.Width() == width && image.Height() == height);
    FUZZ_REQUIRE(image.CellCount() == count);
    for (int i = 0; i < count; ++i) {
        const auto cell = image.Cell(i);
        FUZZ_REQUIRE(cell && cell->Width() == width && cell->Height() == height);
    }
}

// The last byte picks the flags and how the sheet is cut; a PNG ignores
// anything after its end, so the seeds stay whole pictures.
void LoadAsSheet(const std::string& path, const TImage& whole, uint8_t choice) {
    const int flags = (choice & 1 ? ImageFlag::FILTERED : 0) | (choice & 2 ? ImageFlag::MASKED : 0);
    const int cellWidth = std::max(1, whole.Width() / (1 + (choice >> 2 & 3)));
    const int cellHeight = std::max(1, whole.Height() / (1 + (choice >> 4 & 3)));
    const int cells = (whole.Width() / cellWidth) * (whole.Height() / cellHeight);
    const int first = choice >> 6 & 1;
    const int count = cells - first + (choice >> 7);
    const auto sheet = LoadAnimImage(path, cellWidth, cellHeight, first, count, flags);
    if (count <= 0 || first + count > cells) {
        FUZZ_REQUIRE(!sheet);
        return;
    }
    FUZZ_REQUIRE(sheet);
    CheckCells(*sheet, cellWidth, cellHeight, count);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = InputPath();
    if (!WriteInput(path, data, size)) {
        return 0;
    }
    const uint8_t choice = size > 0 ? data[size - 1] : 0;
    const int flags = choice & 1 ? ImageFlag::FILTERED | ImageFlag::MASKED : 0;
    if (const auto image = LoadImage(path, flags)) {
        CheckCells(*image, image->Width(), image->Height(), 1);
        LoadAsSheet(path, *image, choice);
    }
    std::remove(path.c_str());
    return 0;
}
