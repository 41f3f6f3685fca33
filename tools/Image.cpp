#include "Image.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

namespace datagen {

namespace {
// Glow pixels dimmer than this (on 0..255) are dropped to transparent black.
constexpr int kFaintest = 6;
} // namespace

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      context_(cairo_create(surface_.get())) {
    if (cairo_surface_status(surface_.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot create a drawing surface");
    }
    cairo_set_antialias(cr(), CAIRO_ANTIALIAS_BEST);
}

Image Canvas::toImage() const {
    cairo_surface_flush(surface_.get());
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    const int stride = cairo_image_surface_get_stride(surface_.get());
    Image out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t argb = row[x];
            std::uint8_t* p = out.at(x, y);
            // Premultiplied colour is exactly the colour laid over black.
            p[0] = static_cast<std::uint8_t>((argb >> 16) & 0xFF);
            p[1] = static_cast<std::uint8_t>((argb >> 8) & 0xFF);
            p[2] = static_cast<std::uint8_t>(argb & 0xFF);
            const auto alpha = static_cast<std::uint8_t>(argb >> 24);
            p[3] = alpha;
            const int brightest = std::max({p[0], p[1], p[2]});
            if (alpha >= 96 && brightest == 0) {
                p[0] = p[1] = p[2] = 1; // dark but meant to be seen
            } else if (alpha < 96 && brightest < kFaintest) {
                p[0] = p[1] = p[2] = p[3] = 0; // the faint end of a glow: transparent
            }
        }
    }
    return out;
}

static void blit(Image& dst, const Image& src, int dx, int dy) {
    for (int y = 0; y < src.height; ++y) {
        std::memcpy(dst.at(dx, dy + y), src.at(0, y), static_cast<std::size_t>(src.width) * 4);
    }
}

Image paintCells(int cellW, int cellH, int count, int columns, const CellPainter& paint) {
    const int rows = (count + columns - 1) / columns;
    Image grid(cellW * columns, cellH * rows);
    for (int cell = 0; cell < count; ++cell) {
        Canvas canvas(cellW, cellH);
        paint(canvas.cr(), cell);
        blit(grid, canvas.toImage(), (cell % columns) * cellW, (cell / columns) * cellH);
    }
    return grid;
}

Image cellOf(const Image& grid, int cellW, int cellH, int cell) {
    const int columns = grid.width / cellW;
    const int x0 = (cell % columns) * cellW;
    const int y0 = (cell / columns) * cellH;
    Image out(cellW, cellH);
    for (int y = 0; y < cellH; ++y) {
        std::memcpy(out.at(0, y), grid.at(x0, y0 + y), static_cast<std::size_t>(cellW) * 4);
    }
    return out;
}

Image whiteSilhouette(const Image& image) {
    Image out(image.width, image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            // Premultiplied like every sprite: white inside, grey along soft edges.
            const std::uint8_t v =
                image.visible(x, y) ? std::max<std::uint8_t>(image.at(x, y)[3], 1) : 0;
            std::uint8_t* p = out.at(x, y);
            p[0] = p[1] = p[2] = p[3] = v;
        }
    }
    return out;
}

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

class PngWriteStruct {
public:
    PngWriteStruct() {
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        if (png_ != nullptr) {
            info_ = png_create_info_struct(png_);
        }
        if (png_ == nullptr || info_ == nullptr) {
            throw std::runtime_error("libpng: out of memory");
        }
    }
    ~PngWriteStruct() { png_destroy_write_struct(&png_, &info_); }
    PngWriteStruct(const PngWriteStruct&) = delete;
    PngWriteStruct& operator=(const PngWriteStruct&) = delete;

    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

} // namespace

// Only plain C state lives in this frame, so the longjmp of a libpng error is safe.
static bool encodePng(png_structp png, png_infop info, std::FILE* file, int width, int height,
                      png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_init_io(png, file);
    png_set_compression_level(png, 6);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

void writePng(const std::filesystem::path& path, const Image& image) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
    PngWriteStruct writer;
    std::vector<png_bytep> rows(static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        rows[static_cast<std::size_t>(y)] = const_cast<png_bytep>(image.at(0, y));
    }
    if (!encodePng(writer.png(), writer.info(), file.get(), image.width, image.height,
                   rows.data())) {
        throw std::runtime_error("libpng failed writing " + path.string());
    }
}

SurfacePtr surfaceFromImage(const Image& image) {
    SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height));
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.at(x, y);
            const std::uint32_t a = image.visible(x, y) ? p[3] : 0u;
            row[x] = (a << 24) | (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

} // namespace datagen
