// Pictures as plain RGBA buffers, the Cairo canvas they are painted on, and the PNG writer.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace datagen {

// 8-bit RGBA, rows top to bottom. The game treats pure black as transparent, so a sprite's
// background is (0, 0, 0) and its visible parts are not. Colours are premultiplied (the
// picture as it looks over black) and alpha is the painted coverage: soft glows blend into
// the scene where alpha is honoured, and look the same over black where it is not.
// Full-screen pictures are opaque.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    Image() = default;
    Image(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h * 4, 0) {}

    std::uint8_t* at(int x, int y) {
        return &pixels[(static_cast<std::size_t>(y) * width + x) * 4];
    }
    const std::uint8_t* at(int x, int y) const {
        return &pixels[(static_cast<std::size_t>(y) * width + x) * 4];
    }
    bool visible(int x, int y) const {
        const std::uint8_t* p = at(x, y);
        return p[0] != 0 || p[1] != 0 || p[2] != 0;
    }
};

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
struct PatternDeleter {
    void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using ContextPtr = std::unique_ptr<cairo_t, ContextDeleter>;
using PatternPtr = std::unique_ptr<cairo_pattern_t, PatternDeleter>;

// A transparent ARGB32 Cairo surface with its drawing context.
class Canvas {
public:
    Canvas(int width, int height);

    cairo_t* cr() const { return context_.get(); }
    cairo_surface_t* surface() const { return surface_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }

    // Flattens the painting onto black: colour times coverage, with the coverage as alpha.
    // Mostly covered pixels painted pure black are lifted to (1, 1, 1) so they stay
    // visible; the faintest fringes of glows become transparent black.
    Image toImage() const;

private:
    int width_;
    int height_;
    SurfacePtr surface_;
    ContextPtr context_;
};

// Paints `count` cells of cellW x cellH with `paint(cr, cell)` and lays them out left to
// right, top to bottom, `columns` per row.
using CellPainter = std::function<void(cairo_t*, int)>;
Image paintCells(int cellW, int cellH, int count, int columns, const CellPainter& paint);

// Copies one cell out of a grid laid out as above.
Image cellOf(const Image& grid, int cellW, int cellH, int cell);

// White where the picture is visible (with its coverage), black where it is transparent.
Image whiteSilhouette(const Image& image);

// Writes 8-bit RGBA PNG, with no time stamp or other varying chunk.
void writePng(const std::filesystem::path& path, const Image& image);

// An Image as a Cairo surface, black turned transparent (for the review sheet).
SurfacePtr surfaceFromImage(const Image& image);

} // namespace datagen
