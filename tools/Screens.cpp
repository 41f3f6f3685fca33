// Full-screen backdrops, the maker's splash, the title logo and the gear.
#include "Art.h"
#include "ArtKit.h"

#include <cmath>
#include <numbers>

namespace datagen {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kScreenW = 1024;
constexpr int kScreenH = 768;
constexpr double kGroundY = 660.0;

void planet(cairo_t* cr, double x, double y, double r, const Rgb& lit, const Rgb& dark,
            const Rgb& rim) {
    glowDot(cr, x, y, r * 1.25, rim, 0.35);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    PatternPtr g(cairo_pattern_create_radial(x - r * 0.45, y - r * 0.45, r * 0.1, x, y, r));
    cairo_pattern_add_color_stop_rgb(g.get(), 0.0, lit.r, lit.g, lit.b);
    cairo_pattern_add_color_stop_rgb(g.get(), 1.0, dark.r, dark.g, dark.b);
    cairo_set_source(cr, g.get());
    cairo_fill(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_set_line_width(cr, 2.0);
    setColor(cr, rim, 0.8);
    cairo_stroke(cr);
}

void mountains(cairo_t* cr, double baseY, double height, const Rgb& color, std::uint64_t seed) {
    Prng prng(seed);
    cairo_move_to(cr, 0, baseY);
    double x = 0;
    while (x < kScreenW) {
        x += prng.range(30, 90);
        cairo_line_to(cr, x, baseY - prng.range(0.2, 1.0) * height);
    }
    cairo_line_to(cr, kScreenW, baseY);
    cairo_close_path(cr);
    setColor(cr, color);
    cairo_fill(cr);
}

Image paintBackground() {
    Canvas c(kScreenW, kScreenH);
    cairo_t* cr = c.cr();
    paintSpace(
        cr, kScreenW, kScreenH,
        {rgb(4, 4, 20), rgb(26, 10, 48), rgb(150, 40, 190), rgb(30, 110, 200), 14, 0.3, 380, 7});
    planet(cr, 880, 130, 70, rgb(90, 110, 200), rgb(14, 10, 40), rgb(120, 160, 255));
    // Planet ring.
    cairo_save(cr);
    cairo_translate(cr, 880, 130);
    cairo_rotate(cr, -0.3);
    cairo_scale(cr, 120, 22);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_set_line_width(cr, 3);
    setColor(cr, rgb(170, 190, 255), 0.5);
    cairo_stroke(cr);

    // Distant ridges behind the ground line, dim so the ship stands out.
    mountains(cr, kGroundY, 90, rgb(24, 14, 46), 71);
    mountains(cr, kGroundY, 45, rgb(34, 18, 58), 72);
    // Ground.
    cairo_rectangle(cr, 0, kGroundY, kScreenW, kScreenH - kGroundY);
    fillVertical(cr, kGroundY, rgb(40, 16, 60), kScreenH, rgb(12, 6, 26));
    cairo_new_path(cr);
    // Perspective grid on the ground.
    cairo_set_line_width(cr, 1.0);
    for (int i = -16; i <= 16; ++i) {
        cairo_move_to(cr, 512 + i * 40, kGroundY);
        cairo_line_to(cr, 512 + i * 160, kScreenH);
    }
    for (int i = 1; i < 7; ++i) {
        const double y = kGroundY + (kScreenH - kGroundY) * std::pow(i / 7.0, 1.6);
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, kScreenW, y);
    }
    setColor(cr, rgb(200, 60, 220), 0.28);
    cairo_stroke(cr);
    // The glowing ground line.
    cairo_move_to(cr, 0, kGroundY);
    cairo_line_to(cr, kScreenW, kGroundY);
    glowStroke(cr, 2.0, rgb(255, 60, 220), 1.0);
    return c.toImage();
}

Image paintTitle() {
    Canvas c(kScreenW, kScreenH);
    cairo_t* cr = c.cr();
    paintSpace(
        cr, kScreenW, kScreenH,
        {rgb(6, 4, 24), rgb(14, 6, 30), rgb(170, 30, 150), rgb(30, 70, 190), 10, 0.22, 450, 21});
    // Bright clouds at the sides, away from the logo and the prompts.
    glowEllipse(cr, 90, 470, 260, 140, rgb(200, 40, 170), 0.35);
    glowEllipse(cr, 950, 440, 240, 160, rgb(40, 120, 230), 0.35);
    planet(cr, -40, 800, 260, rgb(120, 60, 200), rgb(20, 8, 40), rgb(255, 90, 220));
    planet(cr, 960, 520, 44, rgb(120, 230, 255), rgb(10, 30, 60), rgb(80, 220, 255));
    // Darken the prompt rows so text reads cleanly.
    cairo_rectangle(cr, 0, 580, kScreenW, 188);
    PatternPtr shade(cairo_pattern_create_linear(0, 580, 0, 640));
    cairo_pattern_add_color_stop_rgba(shade.get(), 0.0, 0.02, 0.01, 0.08, 0.0);
    cairo_pattern_add_color_stop_rgba(shade.get(), 1.0, 0.02, 0.01, 0.08, 0.6);
    cairo_set_source(cr, shade.get());
    cairo_fill(cr);
    return c.toImage();
}

Image paintCredits() {
    Canvas c(kScreenW, kScreenH);
    cairo_t* cr = c.cr();
    paintSpace(
        cr, kScreenW, kScreenH,
        {rgb(4, 8, 22), rgb(8, 14, 36), rgb(30, 160, 170), rgb(60, 60, 200), 8, 0.14, 500, 33});
    // A spiral galaxy high in the corner.
    cairo_save(cr);
    cairo_translate(cr, 170, 150);
    cairo_rotate(cr, 0.4);
    glowEllipse(cr, 0, 0, 130, 44, rgb(120, 170, 255), 0.45);
    glowEllipse(cr, 0, 0, 40, 18, rgb(255, 240, 210), 0.9);
    cairo_restore(cr);
    // Band of light across the top.
    glowEllipse(cr, 680, 120, 420, 70, rgb(40, 200, 190), 0.25);
    return c.toImage();
}

Image paintGameOver() {
    Canvas c(kScreenW, kScreenH);
    cairo_t* cr = c.cr();
    paintSpace(
        cr, kScreenW, kScreenH,
        {rgb(40, 4, 8), rgb(70, 10, 14), rgb(255, 60, 30), rgb(160, 20, 80), 14, 0.35, 300, 45});
    // A shattered planet and its drifting pieces.
    planet(cr, 512, 420, 190, rgb(255, 120, 60), rgb(60, 10, 10), rgb(255, 80, 40));
    cairo_set_line_width(cr, 5);
    setColor(cr, rgb(255, 230, 140));
    Prng prng(46);
    for (int i = 0; i < 7; ++i) {
        double a = prng.range(0, 2 * kPi);
        double x = 512, y = 420;
        cairo_move_to(cr, x, y);
        for (int k = 0; k < 5; ++k) {
            a += prng.range(-0.5, 0.5);
            x += 38 * std::cos(a);
            y += 38 * std::sin(a);
            cairo_line_to(cr, x, y);
        }
        glowStroke(cr, 3, rgb(255, 200, 80), 0.8);
    }
    for (int i = 0; i < 40; ++i) {
        const double a = prng.range(0, 2 * kPi);
        const double d = prng.range(230, 480);
        const double x = 512 + d * std::cos(a) * 1.3, y = 420 + d * std::sin(a) * 0.8;
        const double r = prng.range(4, 16);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, prng.range(0, kPi));
        cairo_move_to(cr, -r, 0);
        cairo_line_to(cr, 0, -r * 0.6);
        cairo_line_to(cr, r * 0.8, r * 0.2);
        cairo_line_to(cr, -r * 0.2, r * 0.7);
        cairo_close_path(cr);
        cairo_restore(cr);
        setColor(cr, rgb(200, 90, 60));
        cairo_fill(cr);
    }
    return c.toImage();
}

Image paintSplash() {
    Canvas c(kScreenW, kScreenH);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, kScreenW, kScreenH);
    PatternPtr bg(cairo_pattern_create_radial(512, 330, 40, 512, 384, 640));
    cairo_pattern_add_color_stop_rgb(bg.get(), 0.0, 0.06, 0.16, 0.20);
    cairo_pattern_add_color_stop_rgb(bg.get(), 1.0, 0.01, 0.02, 0.04);
    cairo_set_source(cr, bg.get());
    cairo_fill(cr);

    // Emblem: peaks mirrored in a still mountain lake, inside a ring.
    const double cx = 512, cy = 290, r = 130;
    glowDot(cr, cx, cy, r * 1.4, rgb(60, 200, 190), 0.25);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    fillVertical(cr, cy - r, rgb(250, 170, 90), cy, rgb(170, 70, 110));
    cairo_new_path(cr);
    cairo_rectangle(cr, cx - r, cy, 2 * r, r);
    fillVertical(cr, cy, rgb(30, 90, 120), cy + r, rgb(10, 30, 50));
    cairo_new_path(cr);
    auto peaks = [&](double dir, double alpha) {
        cairo_move_to(cr, cx - r, cy);
        cairo_line_to(cr, cx - 70, cy - dir * 60);
        cairo_line_to(cr, cx - 30, cy - dir * 25);
        cairo_line_to(cr, cx + 10, cy - dir * 95);
        cairo_line_to(cr, cx + 60, cy - dir * 35);
        cairo_line_to(cr, cx + 85, cy - dir * 55);
        cairo_line_to(cr, cx + r, cy);
        cairo_close_path(cr);
        setColor(cr, rgb(20, 40, 60), alpha);
        cairo_fill(cr);
    };
    peaks(1.0, 1.0);
    peaks(-1.0, 0.55);
    glowDot(cr, cx + 55, cy - 80, 16, rgb(255, 250, 220));
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, cx - 90 + i * 20, cy + 18 + i * 22);
        cairo_line_to(cr, cx + 90 - i * 20, cy + 18 + i * 22);
    }
    cairo_set_line_width(cr, 2);
    setColor(cr, rgb(150, 230, 230), 0.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    glowStroke(cr, 5, rgb(90, 240, 220), 0.8);

    // The name.
    textPath(cr, "Tarnhollow", "DejaVu Serif", true, false, 110, cx, 560, 760);
    cairo_path_t* name = cairo_copy_path(cr);
    fillVertical(cr, 470, rgb(255, 240, 200), 570, rgb(240, 150, 80));
    glowStroke(cr, 2.0, rgb(255, 200, 120), 0.8);
    cairo_append_path(cr, name);
    cairo_path_destroy(name);
    fillVertical(cr, 470, rgb(255, 240, 200), 570, rgb(240, 150, 80));
    cairo_new_path(cr);
    cairo_move_to(cr, 262, 600);
    cairo_line_to(cr, 762, 600);
    glowStroke(cr, 2.0, rgb(90, 240, 220), 0.8);
    return c.toImage();
}

// ---- Logo: 16 cells of 824x323, laid out 4 by 4 -----------------------------------------

void paintLogo(cairo_t* cr, int cell) {
    constexpr int kCells = 16;
    const double progress = cell / double(kCells - 1); // 1 at rest
    const double flare = 1.0 - progress;
    const double baseline = 215;

    // Backing glow that settles as the animation ends.
    glowEllipse(cr, 412, 160, 400, 110, rgb(120, 30, 200), 0.35 + 0.4 * flare);

    textPath(cr, "Brindlewick", "DejaVu Sans", true, true, 170, 412, baseline, 780);
    cairo_path_t* word = cairo_copy_path(cr);
    glowStroke(cr, 6.0, rgb(255, 40, 200), 1.0 + 1.5 * flare);
    cairo_append_path(cr, word);
    PatternPtr fill(cairo_pattern_create_linear(0, 80, 0, baseline + 20));
    cairo_pattern_add_color_stop_rgb(fill.get(), 0.0, 0.75, 0.97, 1.0);
    cairo_pattern_add_color_stop_rgb(fill.get(), 0.5, 0.2, 0.55, 1.0);
    cairo_pattern_add_color_stop_rgb(fill.get(), 1.0, 0.75, 0.2, 1.0);
    cairo_set_source(cr, fill.get());
    cairo_fill_preserve(cr);
    // A sheen sweeps across the word, then the word rests clean.
    if (cell < kCells - 1) {
        cairo_save(cr);
        cairo_clip(cr);
        const double x = -150 + 1100 * cell / double(kCells - 2);
        PatternPtr band(cairo_pattern_create_linear(x - 90, 0, x + 90, 0));
        cairo_pattern_add_color_stop_rgba(band.get(), 0.0, 1, 1, 1, 0);
        cairo_pattern_add_color_stop_rgba(band.get(), 0.5, 1, 1, 1, 0.95);
        cairo_pattern_add_color_stop_rgba(band.get(), 1.0, 1, 1, 1, 0);
        cairo_set_source(cr, band.get());
        cairo_paint(cr);
        cairo_restore(cr);
    }
    cairo_new_path(cr);
    cairo_append_path(cr, word);
    cairo_set_line_width(cr, 2.0);
    setColor(cr, rgb(240, 250, 255));
    cairo_stroke(cr);
    cairo_path_destroy(word);

    // Underline swoosh with a star riding on it.
    cairo_move_to(cr, 120, 262);
    cairo_curve_to(cr, 300, 240, 520, 290, 704, 252);
    glowStroke(cr, 4.0, rgb(0, 230, 255), 0.8);
    const double sx = 120 + 584 * progress;
    const double sy = 262 - 10 * std::sin(kPi * progress);
    glowDot(cr, sx, sy, 18 + 10 * flare, rgb(255, 255, 220));
}

// ---- Gear: 5 cells of 200x200; ten teeth, so 7.2 degrees a cell loops seamlessly ---------

void paintGear(cairo_t* cr, int cell) {
    constexpr int kTeeth = 10;
    const double turn = 2 * kPi / kTeeth / 5.0 * cell;
    cairo_translate(cr, 100, 100);
    cairo_rotate(cr, turn);
    const double outer = 94, inner = 76;
    for (int i = 0; i < kTeeth; ++i) {
        const double a = 2 * kPi * i / kTeeth;
        const double w = 2 * kPi / kTeeth;
        cairo_arc(cr, 0, 0, inner, a, a + w * 0.25);
        cairo_arc(cr, 0, 0, outer, a + w * 0.32, a + w * 0.68);
        cairo_arc(cr, 0, 0, inner, a + w * 0.75, a + w);
    }
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, 0, 0, 22, 2 * kPi, 0);
    for (int i = 0; i < 5; ++i) {
        const double a = 2 * kPi * i / 5 + 0.3;
        cairo_new_sub_path(cr);
        cairo_arc_negative(cr, 0, 0, 60, a + 0.9, a);
        cairo_arc(cr, 0, 0, 36, a + 0.1, a + 0.8);
        cairo_close_path(cr);
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    PatternPtr metal(cairo_pattern_create_radial(-30, -30, 10, 0, 0, 100));
    cairo_pattern_add_color_stop_rgb(metal.get(), 0.0, 1.0, 0.8, 0.45);
    cairo_pattern_add_color_stop_rgb(metal.get(), 1.0, 0.55, 0.3, 0.1);
    cairo_set_source(cr, metal.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2.5);
    setColor(cr, rgb(255, 220, 150));
    cairo_stroke(cr);
}

Picture screen(std::string file, Image image) {
    return {std::move(file), std::move(image), kScreenW, kScreenH, 1};
}

} // namespace

std::vector<Picture> makeScreens() {
    std::vector<Picture> out;
    out.push_back(screen("tarnhollow.png", paintSplash()));
    out.push_back(screen("Images/title.png", paintTitle()));
    out.push_back(screen("Images/credits.png", paintCredits()));
    out.push_back(screen("Images/gameover.png", paintGameOver()));
    out.push_back(screen("Images/background.png", paintBackground()));
    out.push_back({"Images/logo.png", paintCells(824, 323, 16, 4, paintLogo), 824, 323, 16});
    out.push_back({"Images/gear.png", paintCells(200, 200, 5, 5, paintGear), 200, 200, 5});
    return out;
}

} // namespace datagen
