#include "platform/TPngReader.h"

#include <png.h>

#include <bit>

namespace {

// Owns libpng's reading state; frees it on every way out.
class TPngImage {
public:
    TPngImage() {
        image_.version = PNG_IMAGE_VERSION;
        image_.opaque = nullptr;
    }
    ~TPngImage() { png_image_free(&image_); }
    TPngImage(const TPngImage&) = delete;
    TPngImage& operator=(const TPngImage&) = delete;

    png_image* operator->() { return &image_; }
    png_image* Get() { return &image_; }

private:
    png_image image_{};
};

// 0xAARRGGBB words laid out in memory, whatever the byte order.
constexpr png_uint_32 PixelFormat() {
    return std::endian::native == std::endian::little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
}

bool SensibleSize(png_uint_32 width, png_uint_32 height) {
    return width > 0 && height > 0 && width <= TPngReader::MAX_SIDE &&
           height <= TPngReader::MAX_SIDE;
}

} // namespace

TPixmapPtr TPngReader::Read(const std::string& path) {
    TPngImage png;
    if (!png_image_begin_read_from_file(png.Get(), path.c_str())) {
        return nullptr;
    }
    if (!SensibleSize(png->width, png->height)) {
        return nullptr;
    }
    png->format = PixelFormat();
    auto pixmap = TPixmap::Create(static_cast<int>(png->width), static_cast<int>(png->height));
    const auto stride = static_cast<png_int_32>(png->width * 4);
    if (!png_image_finish_read(png.Get(), nullptr, pixmap->Pixels(), stride, nullptr)) {
        return nullptr;
    }
    return pixmap;
}
