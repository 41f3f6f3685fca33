// Ship, aliens, shots, turret, pickup, trophy and the explosion pieces.
#include "Art.h"
#include "ArtKit.h"

#include <cmath>
#include <numbers>
#include <tuple>

namespace datagen {

namespace {

constexpr double kPi = std::numbers::pi;
const Rgb kWhite = rgb(255, 255, 255);

// ---- Player ship: 8 cells of 140x123, nose up ------------------------------------------

void shipHull(cairo_t* cr) {
    cairo_move_to(cr, 70, 4);
    cairo_curve_to(cr, 76, 14, 80, 30, 84, 44);
    cairo_line_to(cr, 92, 62);
    cairo_line_to(cr, 130, 84);
    cairo_line_to(cr, 134, 99);
    cairo_line_to(cr, 98, 96);
    cairo_line_to(cr, 90, 108);
    cairo_line_to(cr, 50, 108);
    cairo_line_to(cr, 42, 96);
    cairo_line_to(cr, 6, 99);
    cairo_line_to(cr, 10, 84);
    cairo_line_to(cr, 48, 62);
    cairo_line_to(cr, 56, 44);
    cairo_curve_to(cr, 60, 30, 64, 14, 70, 4);
    cairo_close_path(cr);
}

void paintShip(cairo_t* cr, int cell) {
    const Rgb cyan = rgb(0, 235, 255);
    const Rgb magenta = rgb(255, 50, 210);
    const double phase = cell / 8.0;

    // Engine flame under the hull; its shape never changes, only its heat.
    const double heat = 0.8 + 0.2 * std::sin(2 * kPi * phase * 2);
    glowEllipse(cr, 70, 112, 20, 11, rgb(255, 120, 30), 0.9 * heat);
    glowEllipse(cr, 70, 110, 10, 8, rgb(255, 230, 140), heat);

    shipHull(cr);
    // Rolling light across the hull: a soft band that travels as the ship steers.
    PatternPtr body(cairo_pattern_create_linear(0, 0, 140, 0));
    const double c = 0.15 + 0.7 * (0.5 + 0.5 * std::sin(2 * kPi * phase));
    cairo_pattern_add_color_stop_rgb(body.get(), 0.0, 0.10, 0.12, 0.32);
    cairo_pattern_add_color_stop_rgb(body.get(), c, 0.26, 0.34, 0.70);
    cairo_pattern_add_color_stop_rgb(body.get(), 1.0, 0.10, 0.12, 0.32);
    cairo_set_source(cr, body.get());
    cairo_fill_preserve(cr);
    glowStroke(cr, 2.5, cyan, 0.6);

    // Wing stripes.
    for (int side : {-1, 1}) {
        cairo_move_to(cr, 70 + side * 24, 68);
        cairo_line_to(cr, 70 + side * 56, 88);
        glowStroke(cr, 2.5, magenta, 0.5);
    }
    // Chasing lights along the wing edges.
    for (int i = 0; i < 4; ++i) {
        const bool lit = (cell / 2) % 4 == i;
        for (int side : {-1, 1}) {
            const double x = 70 + side * (28 + i * 10);
            const double y = 72 + i * 6;
            glowDot(cr, x, y, lit ? 7 : 3.5, lit ? rgb(255, 255, 160) : magenta, lit ? 1.0 : 0.8);
        }
    }
    // Cockpit.
    cairo_save(cr);
    cairo_translate(cr, 70, 46);
    cairo_scale(cr, 7, 15);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    fillVertical(cr, 31, rgb(200, 250, 255), 61, rgb(60, 40, 160));
    cairo_set_line_width(cr, 1.5);
    setColor(cr, kWhite, 0.9);
    cairo_stroke(cr);
    // Nose guns.
    for (int side : {-1, 1}) {
        cairo_rectangle(cr, 70 + side * 18 - 1.5, 52, 3, 14);
        setColor(cr, cyan);
        cairo_fill(cr);
    }
}

// ---- Alien 1: 20 cells of 100x100, body in the top 70 pixels -----------------------------

void paintAlien1(cairo_t* cr, int cell) {
    const double t = cell / 20.0;
    const double s = std::sin(2 * kPi * t);
    const Rgb green = rgb(60, 255, 120);

    // Tentacles hang below the body and sway.
    for (int i = 0; i < 3; ++i) {
        const double x0 = 32 + i * 18;
        const double sway = 7 * std::sin(2 * kPi * t + i * 2.1);
        cairo_move_to(cr, x0, 56);
        cairo_curve_to(cr, x0 - sway, 70, x0 + sway, 82, x0 - sway * 0.5, 94);
        glowStroke(cr, 6.0, rgb(40, 220, 120), 0.5);
    }
    // Body: a domed shell.
    cairo_save(cr);
    cairo_translate(cr, 50, 36);
    cairo_scale(cr, 44, 28 + 1.5 * s);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    fillVertical(cr, 8, rgb(110, 255, 170), 66, rgb(10, 90, 50));
    glowStroke(cr, 2.5, green, 0.5);
    // Side fins.
    for (int side : {-1, 1}) {
        cairo_move_to(cr, 50 + side * 38, 30);
        cairo_line_to(cr, 50 + side * 48, 18 + 2 * s);
        cairo_line_to(cr, 50 + side * 44, 44);
        cairo_close_path(cr);
        setColor(cr, rgb(30, 170, 90));
        cairo_fill_preserve(cr);
        glowStroke(cr, 1.5, green, 0.0);
    }
    // The eye pulses.
    const double iris = 13 + 2.5 * s;
    cairo_arc(cr, 50, 34, iris + 4, 0, 2 * kPi);
    setColor(cr, rgb(240, 255, 240));
    cairo_fill(cr);
    glowDot(cr, 50, 34, iris + 6, rgb(255, 40, 200), 0.9);
    cairo_arc(cr, 50, 34, iris * 0.62, 0, 2 * kPi);
    setColor(cr, rgb(255, 30, 180));
    cairo_fill(cr);
    cairo_arc(cr, 50 + 2 * std::cos(2 * kPi * t), 34, iris * 0.3, 0, 2 * kPi);
    setColor(cr, rgb(60, 0, 70));
    cairo_fill(cr);
    glowDot(cr, 46, 30, 3, kWhite);
    // Little lights round the rim.
    for (int i = 0; i < 6; ++i) {
        const double a = kPi * (0.15 + 0.7 * i / 5.0);
        const bool lit = (cell + i * 3) % 10 < 5;
        glowDot(cr, 50 + 38 * std::cos(a), 36 + 22 * std::sin(a), lit ? 4 : 2.5,
                lit ? rgb(255, 255, 120) : rgb(120, 255, 180));
    }
}

// ---- Alien 2: 20 cells of 168x100, the armoured cruiser -----------------------------------

void paintAlien2(cairo_t* cr, int cell) {
    const double t = cell / 20.0;
    const double pulse = 0.5 + 0.5 * std::sin(2 * kPi * t);
    const Rgb orange = rgb(255, 140, 30);

    // Hull.
    cairo_move_to(cr, 40, 14);
    cairo_line_to(cr, 128, 14);
    cairo_line_to(cr, 162, 44);
    cairo_line_to(cr, 150, 70);
    cairo_line_to(cr, 112, 84);
    cairo_line_to(cr, 56, 84);
    cairo_line_to(cr, 18, 70);
    cairo_line_to(cr, 6, 44);
    cairo_close_path(cr);
    fillVertical(cr, 14, rgb(140, 70, 40), 84, rgb(50, 20, 30));
    glowStroke(cr, 3.0, orange, 0.6);

    // Armour plates.
    for (int side : {-1, 1}) {
        cairo_move_to(cr, 84 + side * 20, 22);
        cairo_line_to(cr, 84 + side * 58, 26);
        cairo_line_to(cr, 84 + side * 68, 46);
        cairo_line_to(cr, 84 + side * 50, 66);
        cairo_line_to(cr, 84 + side * 22, 70);
        cairo_close_path(cr);
        fillVertical(cr, 22, rgb(210, 120, 60), 70, rgb(110, 50, 40));
        cairo_set_line_width(cr, 1.5);
        setColor(cr, rgb(255, 200, 120), 0.9);
        cairo_stroke(cr);
        // Rivets.
        for (int k = 0; k < 3; ++k) {
            cairo_arc(cr, 84 + side * (34 + k * 10), 34 + k * 8, 2, 0, 2 * kPi);
            setColor(cr, rgb(255, 220, 170));
            cairo_fill(cr);
        }
    }
    // Bomb bay under the hull.
    cairo_rectangle(cr, 72, 82, 24, 12);
    setColor(cr, rgb(90, 40, 40));
    cairo_fill_preserve(cr);
    glowStroke(cr, 1.5, orange, 0.0);
    glowEllipse(cr, 84, 94, 10, 4, rgb(255, 90, 30), 0.5 + 0.5 * pulse);

    // Reactor core.
    glowDot(cr, 84, 46, 26 + 6 * pulse, rgb(255, 40, 40), 0.9);
    cairo_arc(cr, 84, 46, 12, 0, 2 * kPi);
    setColor(cr, rgb(255, 230, 120).mix(kWhite, pulse * 0.5));
    cairo_fill(cr);
    cairo_arc(cr, 84, 46, 15, 0, 2 * kPi);
    cairo_set_line_width(cr, 3);
    setColor(cr, rgb(255, 90, 40));
    cairo_stroke(cr);

    // Running lights along the front edge.
    for (int i = 0; i < 8; ++i) {
        const double x = 44 + i * 11.4;
        const bool lit = (cell / 2 + i) % 5 == 0;
        glowDot(cr, x, 18, lit ? 6 : 3, lit ? rgb(255, 255, 150) : rgb(255, 120, 60));
    }
    // Cannon pods.
    for (int side : {-1, 1}) {
        cairo_rectangle(cr, 84 + side * 70 - 5, 52, 10, 22);
        setColor(cr, rgb(160, 80, 50));
        cairo_fill_preserve(cr);
        glowStroke(cr, 1.5, orange, 0.0);
    }
}

// ---- Shots -----------------------------------------------------------------------------

// A bolt of light, 40x80; its hot core covers x 12..27.
Image paintBolt(const Rgb& color) {
    Canvas c(40, 80);
    cairo_t* cr = c.cr();
    glowEllipse(cr, 20, 40, 19, 40, color, 0.55);
    cairo_move_to(cr, 20, 8);
    cairo_line_to(cr, 20, 72);
    glowStroke(cr, 9, color, 0.5);
    glowEllipse(cr, 20, 14, 8, 12, kWhite, 0.9);
    return c.toImage();
}

Image paintAlienBullet() {
    Canvas c(24, 24);
    cairo_t* cr = c.cr();
    glowDot(cr, 12, 12, 12, rgb(255, 40, 200));
    cairo_arc(cr, 12, 12, 5, 0, 2 * kPi);
    setColor(cr, rgb(255, 200, 250));
    cairo_fill(cr);
    glowDot(cr, 12, 12, 4, kWhite);
    return c.toImage();
}

Image paintBomb() {
    Canvas c(32, 44);
    cairo_t* cr = c.cr();
    glowEllipse(cr, 16, 26, 16, 18, rgb(255, 70, 20), 0.7);
    // Fins at the top.
    cairo_move_to(cr, 16, 10);
    cairo_line_to(cr, 6, 2);
    cairo_line_to(cr, 26, 2);
    cairo_close_path(cr);
    setColor(cr, rgb(200, 90, 40));
    cairo_fill(cr);
    // Body, nose down.
    cairo_move_to(cr, 16, 42);
    cairo_curve_to(cr, 4, 32, 6, 12, 16, 8);
    cairo_curve_to(cr, 26, 12, 28, 32, 16, 42);
    cairo_close_path(cr);
    fillVertical(cr, 8, rgb(255, 210, 80), 42, rgb(220, 50, 20));
    glowStroke(cr, 1.5, rgb(255, 150, 60), 0.0);
    glowDot(cr, 16, 30, 5, rgb(255, 255, 200));
    return c.toImage();
}

// ---- Turret: 80x72, body in y 19..71 ----------------------------------------------------

Image paintTurret() {
    Canvas c(80, 72);
    cairo_t* cr = c.cr();
    const Rgb teal = rgb(0, 255, 200);
    // Barrel.
    cairo_rectangle(cr, 35, 3, 10, 26);
    fillVertical(cr, 3, rgb(220, 255, 240), 29, rgb(40, 140, 130));
    glowStroke(cr, 1.5, teal, 0.0);
    glowDot(cr, 40, 4, 6, rgb(255, 255, 120));
    // Dome.
    cairo_arc(cr, 40, 44, 22, kPi, 2 * kPi);
    cairo_close_path(cr);
    fillVertical(cr, 22, rgb(90, 220, 200), 44, rgb(20, 90, 100));
    glowStroke(cr, 2.0, teal, 0.3);
    // Base.
    cairo_move_to(cr, 4, 70);
    cairo_line_to(cr, 12, 44);
    cairo_line_to(cr, 68, 44);
    cairo_line_to(cr, 76, 70);
    cairo_close_path(cr);
    fillVertical(cr, 44, rgb(60, 120, 150), 70, rgb(20, 40, 70));
    glowStroke(cr, 2.0, teal, 0.3);
    for (int i = 0; i < 3; ++i) {
        glowDot(cr, 24 + i * 16, 58, 4, rgb(255, 240, 80));
    }
    return c.toImage();
}

Image paintPickup() {
    Canvas c(40, 40);
    cairo_t* cr = c.cr();
    glowDot(cr, 20, 20, 20, rgb(80, 255, 120), 0.6);
    cairo_move_to(cr, 20, 4);
    cairo_line_to(cr, 33, 20);
    cairo_line_to(cr, 20, 36);
    cairo_line_to(cr, 7, 20);
    cairo_close_path(cr);
    fillVertical(cr, 4, rgb(220, 255, 200), 36, rgb(20, 170, 90));
    glowStroke(cr, 1.5, rgb(150, 255, 170), 0.0);
    cairo_move_to(cr, 20, 4);
    cairo_line_to(cr, 20, 36);
    cairo_move_to(cr, 7, 20);
    cairo_line_to(cr, 33, 20);
    cairo_set_line_width(cr, 1.0);
    setColor(cr, kWhite, 0.7);
    cairo_stroke(cr);
    glowDot(cr, 16, 14, 4, kWhite);
    return c.toImage();
}

Image paintTrophy() {
    Canvas c(320, 360);
    cairo_t* cr = c.cr();
    const Rgb gold = rgb(255, 200, 50);
    glowDot(cr, 160, 150, 160, rgb(255, 180, 40), 0.35);
    // Handles.
    cairo_new_path(cr);
    cairo_arc(cr, 66, 100, 40, kPi * 0.5, kPi * 1.5);
    glowStroke(cr, 14, gold, 0.3);
    cairo_arc(cr, 254, 100, 40, -kPi * 0.5, kPi * 0.5);
    glowStroke(cr, 14, gold, 0.3);
    // Cup.
    cairo_move_to(cr, 70, 40);
    cairo_line_to(cr, 250, 40);
    cairo_curve_to(cr, 250, 150, 220, 200, 172, 214);
    cairo_line_to(cr, 148, 214);
    cairo_curve_to(cr, 100, 200, 70, 150, 70, 40);
    cairo_close_path(cr);
    PatternPtr metal(cairo_pattern_create_linear(70, 0, 250, 0));
    cairo_pattern_add_color_stop_rgb(metal.get(), 0.0, 0.6, 0.35, 0.05);
    cairo_pattern_add_color_stop_rgb(metal.get(), 0.35, 1.0, 0.9, 0.5);
    cairo_pattern_add_color_stop_rgb(metal.get(), 1.0, 0.55, 0.3, 0.05);
    cairo_set_source(cr, metal.get());
    cairo_fill_preserve(cr);
    glowStroke(cr, 3, gold, 0.4);
    // Star on the cup.
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5;
        const double r = i % 2 == 0 ? 34 : 14;
        if (i == 0) {
            cairo_move_to(cr, 160 + r * std::cos(a), 112 + r * std::sin(a));
        } else {
            cairo_line_to(cr, 160 + r * std::cos(a), 112 + r * std::sin(a));
        }
    }
    cairo_close_path(cr);
    setColor(cr, rgb(255, 255, 210));
    cairo_fill(cr);
    // Stem and base.
    cairo_rectangle(cr, 146, 214, 28, 60);
    cairo_set_source(cr, metal.get());
    cairo_fill(cr);
    cairo_move_to(cr, 110, 274);
    cairo_line_to(cr, 210, 274);
    cairo_line_to(cr, 230, 320);
    cairo_line_to(cr, 90, 320);
    cairo_close_path(cr);
    cairo_set_source(cr, metal.get());
    cairo_fill_preserve(cr);
    glowStroke(cr, 3, gold, 0.4);
    cairo_rectangle(cr, 80, 320, 160, 24);
    fillVertical(cr, 320, rgb(140, 70, 30), 344, rgb(80, 35, 20));
    glowStroke(cr, 2, gold, 0.3);
    // Sparkles.
    for (auto [x, y, r] : {std::tuple{100.0, 70.0, 10.0},
                           {226.0, 180.0, 8.0},
                           {60.0, 250.0, 7.0},
                           {270.0, 30.0, 9.0}}) {
        cairo_move_to(cr, x - r * 2, y);
        cairo_line_to(cr, x + r * 2, y);
        cairo_move_to(cr, x, y - r * 2);
        cairo_line_to(cr, x, y + r * 2);
        glowStroke(cr, 2, kWhite, 0.6);
    }
    return c.toImage();
}

Image paintFireball() {
    Canvas c(128, 128);
    cairo_t* cr = c.cr();
    Prng prng(909);
    glowDot(cr, 64, 64, 63, rgb(230, 40, 10), 0.9);
    // Billowing lobes of flame round a white-hot heart.
    for (int i = 0; i < 16; ++i) {
        const double a = 2 * kPi * i / 16 + prng.range(-0.2, 0.2);
        const double d = prng.range(18, 34);
        glowDot(cr, 64 + d * std::cos(a), 64 + d * std::sin(a), prng.range(20, 30),
                rgb(255, 100, 20), 0.85);
    }
    for (int i = 0; i < 10; ++i) {
        const double a = 2 * kPi * i / 10 + prng.range(-0.3, 0.3);
        const double d = prng.range(4, 18);
        glowDot(cr, 64 + d * std::cos(a), 64 + d * std::sin(a), prng.range(16, 24),
                rgb(255, 210, 70), 0.9);
    }
    glowDot(cr, 64, 64, 26, rgb(255, 255, 220));
    return c.toImage();
}

Image paintRing(const Rgb& color) {
    Canvas c(128, 128);
    cairo_t* cr = c.cr();
    cairo_arc(cr, 64, 64, 48, 0, 2 * kPi);
    glowStroke(cr, 8, color, 0.9);
    return c.toImage();
}

Image paintEmber() {
    Canvas c(16, 16);
    cairo_t* cr = c.cr();
    glowDot(cr, 8, 8, 8, rgb(255, 120, 20));
    cairo_move_to(cr, 8, 3);
    cairo_line_to(cr, 12, 8);
    cairo_line_to(cr, 8, 13);
    cairo_line_to(cr, 4, 8);
    cairo_close_path(cr);
    setColor(cr, rgb(255, 240, 150));
    cairo_fill(cr);
    return c.toImage();
}

Image paintShard() {
    Canvas c(14, 14);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 2, 5);
    cairo_line_to(cr, 9, 1);
    cairo_line_to(cr, 13, 8);
    cairo_line_to(cr, 6, 13);
    cairo_close_path(cr);
    fillVertical(cr, 1, rgb(190, 200, 230), 13, rgb(80, 80, 110));
    cairo_set_line_width(cr, 1.2);
    setColor(cr, rgb(255, 160, 80));
    cairo_stroke(cr);
    return c.toImage();
}

Picture single(std::string file, Image image) {
    const int w = image.width, h = image.height;
    return {std::move(file), std::move(image), w, h, 1};
}

Picture anim(std::string file, int cellW, int cellH, int count, int columns,
             const CellPainter& paint) {
    return {std::move(file), paintCells(cellW, cellH, count, columns, paint), cellW, cellH, count};
}

Picture whiteOf(std::string file, const Picture& source) {
    return {std::move(file), whiteSilhouette(source.image), source.cellWidth, source.cellHeight,
            source.cells};
}

} // namespace

std::vector<Picture> makeSprites() {
    std::vector<Picture> out;
    out.push_back(anim("Images/player.png", 140, 123, 8, 8, paintShip));
    out.push_back(
        single("Images/playerwhite.png", whiteSilhouette(cellOf(out.back().image, 140, 123, 0))));
    out.push_back(anim("Images/Alien1.png", 100, 100, 20, 5, paintAlien1));
    out.push_back(whiteOf("Images/Alien1White.png", out.back()));
    out.push_back(anim("Images/Alien2.png", 168, 100, 20, 5, paintAlien2));
    out.push_back(whiteOf("Images/Alien2White.png", out.back()));
    out.push_back(single("Images/bullet1.png", paintBolt(rgb(200, 255, 60))));
    out.push_back(single("Images/bullet2.png", paintBolt(rgb(0, 220, 255))));
    out.push_back(single("Images/AlienBullet.png", paintAlienBullet()));
    out.push_back(single("Images/AlienBullet2.png", paintBomb()));
    out.push_back(single("Images/turret.png", paintTurret()));
    out.push_back(single("Images/TurretWhite.png", whiteSilhouette(out.back().image)));
    out.push_back(single("Images/pickup.png", paintPickup()));
    out.push_back(single("Images/win.png", paintTrophy()));
    out.push_back(single("Images/explosion.png", paintFireball()));
    out.push_back(single("Images/particlering.png", paintRing(rgb(255, 150, 40))));
    out.push_back(single("Images/particlering2.png", paintRing(rgb(60, 255, 200))));
    out.push_back(single("Images/particle1.png", paintEmber()));
    out.push_back(single("Images/particle2.png", paintShard()));
    return out;
}

} // namespace datagen
