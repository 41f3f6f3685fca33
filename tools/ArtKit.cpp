#include "ArtKit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace datagen {

void glowStroke(cairo_t* cr, double width, const Rgb& color, double halo) {
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    struct Layer {
        double widthFactor, alpha, whiten;
    };
    static constexpr Layer kLayers[] = {
        {5.0, 0.08, 0.0}, {3.2, 0.14, 0.0}, {2.0, 0.3, 0.0}, {1.0, 1.0, 0.0}, {0.4, 1.0, 0.6}};
    for (const Layer& layer : kLayers) {
        if (layer.widthFactor > 1.0 && halo <= 0.0) {
            continue;
        }
        cairo_new_path(cr);
        cairo_append_path(cr, path);
        cairo_set_line_width(cr, width * (layer.widthFactor > 1.0
                                              ? 1.0 + (layer.widthFactor - 1.0) * halo
                                              : layer.widthFactor));
        setColor(cr, color.mix(rgb(255, 255, 255), layer.whiten), layer.alpha);
        cairo_stroke(cr);
    }
    cairo_path_destroy(path);
}

void glowDot(cairo_t* cr, double x, double y, double radius, const Rgb& color, double alpha) {
    glowEllipse(cr, x, y, radius, radius, color, alpha);
}

void glowEllipse(cairo_t* cr, double x, double y, double rx, double ry, const Rgb& color,
                 double alpha) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    PatternPtr g(cairo_pattern_create_radial(0, 0, 0, 0, 0, 1.0));
    cairo_pattern_add_color_stop_rgba(g.get(), 0.0, color.r, color.g, color.b, alpha);
    cairo_pattern_add_color_stop_rgba(g.get(), 0.35, color.r, color.g, color.b, alpha * 0.45);
    cairo_pattern_add_color_stop_rgba(g.get(), 1.0, color.r, color.g, color.b, 0.0);
    cairo_set_source(cr, g.get());
    cairo_arc(cr, 0, 0, 1.0, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    cairo_restore(cr);
}

void fillVertical(cairo_t* cr, double y0, const Rgb& top, double y1, const Rgb& bottom) {
    PatternPtr g(cairo_pattern_create_linear(0, y0, 0, y1));
    cairo_pattern_add_color_stop_rgb(g.get(), 0.0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(g.get(), 1.0, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, g.get());
    cairo_fill_preserve(cr);
}

void paintSpace(cairo_t* cr, int width, int height, const SpaceStyle& style) {
    cairo_rectangle(cr, 0, 0, width, height);
    fillVertical(cr, 0, style.top, height, style.bottom);
    cairo_new_path(cr);

    Prng prng(style.seed);
    for (int i = 0; i < style.nebulaClouds; ++i) {
        const double x = prng.range(0, width);
        const double y = prng.range(0, height);
        const double r = prng.range(90, 260);
        const Rgb c = style.nebulaA.mix(style.nebulaB, prng.unit());
        glowEllipse(cr, x, y, r * prng.range(1.0, 2.2), r, c,
                    style.nebulaAlpha * prng.range(0.4, 1.0));
    }
    for (int i = 0; i < style.stars; ++i) {
        const double x = prng.range(0, width);
        const double y = prng.range(0, height);
        const double b = std::pow(prng.unit(), 2.5);
        const Rgb tint = rgb(255, 255, 255)
                             .mix(prng.unit() < 0.5 ? rgb(150, 200, 255) : rgb(255, 210, 170),
                                  prng.unit() * 0.6);
        const double size = 0.5 + 1.3 * b;
        setColor(cr, tint, 0.35 + 0.65 * b);
        cairo_arc(cr, x, y, size, 0, 2 * std::numbers::pi);
        cairo_fill(cr);
        if (b > 0.55) {
            glowDot(cr, x, y, size * 5.0, tint, 0.35);
            cairo_set_line_width(cr, 0.8);
            setColor(cr, tint, 0.35);
            cairo_move_to(cr, x - size * 6, y);
            cairo_line_to(cr, x + size * 6, y);
            cairo_move_to(cr, x, y - size * 6);
            cairo_line_to(cr, x, y + size * 6);
            cairo_stroke(cr);
        }
    }
}

void textPath(cairo_t* cr, const char* text, const char* family, bool bold, bool italic,
              double size, double cx, double baselineY, double maxWidth) {
    cairo_select_font_face(cr, family, italic ? CAIRO_FONT_SLANT_OBLIQUE : CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    if (ext.width > maxWidth) {
        size *= maxWidth / ext.width;
        cairo_set_font_size(cr, size);
        cairo_text_extents(cr, text, &ext);
    }
    cairo_move_to(cr, cx - ext.width / 2 - ext.x_bearing, baselineY);
    cairo_text_path(cr, text);
}

} // namespace datagen
