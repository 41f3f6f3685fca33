// Small drawing helpers shared by the sprite and screen painters.
#pragma once

#include "Image.h"
#include "Prng.h"

#include <cairo.h>

namespace datagen {

struct Rgb {
    double r, g, b;
    Rgb mix(const Rgb& o, double t) const {
        return {r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t};
    }
    Rgb scaled(double k) const { return {r * k, g * k, b * k}; }
};

// Colours are given as 0..255 like a paint program.
constexpr Rgb rgb(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}

inline void setColor(cairo_t* cr, const Rgb& c, double alpha = 1.0) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

// Strokes the current path as a neon tube: wide faint halo, bright core. Clears the path.
void glowStroke(cairo_t* cr, double width, const Rgb& color, double halo = 1.0);

// A soft round light: colour at the centre fading to nothing at `radius`.
void glowDot(cairo_t* cr, double x, double y, double radius, const Rgb& color, double alpha = 1.0);

// A soft light stretched to an ellipse.
void glowEllipse(cairo_t* cr, double x, double y, double rx, double ry, const Rgb& color,
                 double alpha = 1.0);

// Fills the current path with a vertical gradient. Keeps the path.
void fillVertical(cairo_t* cr, double y0, const Rgb& top, double y1, const Rgb& bottom);

// Deep-space backdrop: vertical gradient, nebula clouds and a star field.
struct SpaceStyle {
    Rgb top, bottom;
    Rgb nebulaA, nebulaB;
    int nebulaClouds = 14;
    double nebulaAlpha = 0.22;
    int stars = 420;
    std::uint64_t seed = 1;
};
void paintSpace(cairo_t* cr, int width, int height, const SpaceStyle& style);

// Text as a path, centred on (cx, baselineY), fitted to at most `maxWidth`.
void textPath(cairo_t* cr, const char* text, const char* family, bool bold, bool italic,
              double size, double cx, double baselineY, double maxWidth);

} // namespace datagen
