#pragma once

#include <png.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A temporary folder for picture files made by a test; removed afterwards.
class TempFolder {
public:
    explicit TempFolder(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / name) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }

    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Writes 0xAARRGGBB pixels, rows top to bottom, as an RGBA PNG file.
inline bool WritePng(const std::string& path, int width, int height,
                     const std::vector<uint32_t>& pixels) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_BGRA; // 0xAARRGGBB words on a little-endian machine
    const bool written =
        png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), width * 4, nullptr) != 0;
    png_image_free(&image);
    return written;
}

// A picture of width by height in one colour.
inline bool WriteSolidPng(const std::string& path, int width, int height, uint32_t argb) {
    return WritePng(path, width, height,
                    std::vector<uint32_t>(static_cast<size_t>(width) * height, argb));
}
