#include "Icons.h"

#include "ArtKit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace datagen {

namespace {

constexpr double kPi = std::numbers::pi;

// The ship's hull in its sprite's coordinates (x 6..134, y 4..108, nose up), traced with
// fewer points so that it stays a clean arrowhead when only a dozen pixels wide.
void iconHull(cairo_t* cr) {
    cairo_move_to(cr, 70, 4);
    cairo_curve_to(cr, 76, 16, 80, 32, 86, 50);
    cairo_line_to(cr, 132, 86);
    cairo_line_to(cr, 134, 100);
    cairo_line_to(cr, 94, 98);
    cairo_line_to(cr, 88, 108);
    cairo_line_to(cr, 52, 108);
    cairo_line_to(cr, 46, 98);
    cairo_line_to(cr, 6, 100);
    cairo_line_to(cr, 8, 86);
    cairo_line_to(cr, 54, 50);
    cairo_curve_to(cr, 60, 32, 64, 16, 70, 4);
    cairo_close_path(cr);
}

void roundedSquare(cairo_t* cr, double x, double y, double side, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + side - radius, y + radius, radius, -kPi / 2, 0);
    cairo_arc(cr, x + side - radius, y + side - radius, radius, 0, kPi / 2);
    cairo_arc(cr, x + radius, y + side - radius, radius, kPi / 2, kPi);
    cairo_arc(cr, x + radius, y + radius, radius, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

// Deep space behind the ship, so it reads on light and dark panels alike.
void paintTile(cairo_t* cr, int size) {
    const double margin = size >= 48 ? size / 32.0 : 0.0;
    const double side = size - 2 * margin;
    roundedSquare(cr, margin, margin, side, std::max(2.0, side * 0.18));
    fillVertical(cr, margin, rgb(22, 18, 70), size - margin, rgb(8, 6, 28));
    if (size >= 48) {
        cairo_set_line_width(cr, size / 64.0);
        setColor(cr, rgb(90, 110, 255), 0.7);
        cairo_stroke_preserve(cr);
    }
    cairo_clip(cr);
    cairo_new_path(cr);
    if (size < 32) {
        return; // stars would only be noise
    }
    Prng prng(0x1C0 + static_cast<std::uint64_t>(size));
    const int stars = size >= 128 ? 26 : 10;
    for (int i = 0; i < stars; ++i) {
        const double x = prng.range(margin, size - margin);
        const double y = prng.range(margin, size * 0.55);
        const double r = size / 256.0 * prng.range(0.8, 2.2);
        setColor(cr, rgb(200, 220, 255), prng.range(0.4, 0.9));
        cairo_arc(cr, x, y, std::max(r, 0.5), 0, 2 * kPi);
        cairo_fill(cr);
    }
}

void paintIconShip(cairo_t* cr, int size) {
    const Rgb cyan = rgb(0, 235, 255);
    const Rgb magenta = rgb(255, 50, 210);
    // Small icons give the ship more of the tile; every pixel of it counts there.
    const double widthShare = size <= 16 ? 0.92 : size <= 32 ? 0.86 : 0.78;
    const double k = widthShare * size / 128.0;
    const double shipHeight = 120.0 * k; // hull and flame
    cairo_save(cr);
    cairo_translate(cr, size / 2.0, (size - shipHeight) / 2.0);
    cairo_scale(cr, k, k);
    cairo_translate(cr, -70, -4);
    const double pixel = 1.0 / k; // one icon pixel in ship units

    // Engine flame.
    glowEllipse(cr, 70, 112, 20, 12, rgb(255, 120, 30), 1.0);
    glowEllipse(cr, 70, 110, 11, 8, rgb(255, 230, 140), 1.0);

    iconHull(cr);
    PatternPtr body(cairo_pattern_create_linear(0, 0, 140, 0));
    cairo_pattern_add_color_stop_rgb(body.get(), 0.0, 0.16, 0.20, 0.52);
    cairo_pattern_add_color_stop_rgb(body.get(), 0.5, 0.36, 0.48, 0.92);
    cairo_pattern_add_color_stop_rgb(body.get(), 1.0, 0.16, 0.20, 0.52);
    cairo_set_source(cr, body.get());
    cairo_fill_preserve(cr);
    // The outline is at least a whole pixel wide: at 16 pixels it is the silhouette.
    const double outline = std::max(pixel, 2.5);
    if (size >= 48) {
        glowStroke(cr, outline, cyan, 0.6);
    } else {
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, outline);
        setColor(cr, cyan);
        cairo_stroke(cr);
    }

    if (size >= 32) {
        for (int side : {-1, 1}) {
            cairo_move_to(cr, 70 + side * 26, 68);
            cairo_line_to(cr, 70 + side * 56, 90);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_set_line_width(cr, std::max(pixel, 3.0));
            setColor(cr, magenta);
            cairo_stroke(cr);
        }
    }
    if (size >= 64) {
        for (int i = 0; i < 4; ++i) {
            for (int side : {-1, 1}) {
                glowDot(cr, 70 + side * (30 + i * 10), 74 + i * 6, i == 1 ? 7 : 4,
                        i == 1 ? rgb(255, 255, 160) : magenta);
            }
        }
        for (int side : {-1, 1}) {
            cairo_rectangle(cr, 70 + side * 18 - 1.5, 54, 3, 14);
            setColor(cr, cyan);
            cairo_fill(cr);
        }
    }

    // Cockpit: a bright canopy, kept at least two pixels tall.
    cairo_save(cr);
    cairo_translate(cr, 70, 48);
    cairo_scale(cr, std::max(7.0, 1.1 * pixel), std::max(15.0, 1.6 * pixel));
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    fillVertical(cr, 33, rgb(220, 252, 255), 63, rgb(90, 70, 200));
    if (size >= 48) {
        cairo_set_line_width(cr, std::max(1.5, pixel * 0.75));
        setColor(cr, rgb(255, 255, 255), 0.9);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_restore(cr);
}

// Cairo's premultiplied ARGB as straight RGBA.
Image straightRgba(const Canvas& canvas) {
    cairo_surface_flush(canvas.surface());
    const unsigned char* data = cairo_image_surface_get_data(canvas.surface());
    const int stride = cairo_image_surface_get_stride(canvas.surface());
    Image out(canvas.width(), canvas.height());
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        for (int x = 0; x < canvas.width(); ++x) {
            const std::uint32_t argb = row[x];
            const std::uint32_t alpha = argb >> 24;
            std::uint8_t* p = out.at(x, y);
            if (alpha == 0) {
                continue;
            }
            for (int c = 0; c < 3; ++c) {
                const std::uint32_t v = (argb >> (16 - 8 * c)) & 0xFF;
                p[c] = static_cast<std::uint8_t>(
                    std::min<std::uint32_t>(255, (v * 255 + alpha / 2) / alpha));
            }
            p[3] = static_cast<std::uint8_t>(alpha);
        }
    }
    return out;
}

} // namespace

std::vector<Icon> makeIcons() {
    std::vector<Icon> icons;
    for (int size : kIconSizes) {
        Canvas canvas(size, size);
        paintTile(canvas.cr(), size);
        paintIconShip(canvas.cr(), size);
        icons.push_back({size, straightRgba(canvas)});
    }
    return icons;
}

} // namespace datagen
