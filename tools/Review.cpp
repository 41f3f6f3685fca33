#include "Review.h"

#include "ArtKit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

namespace datagen {

namespace {

constexpr int kTileW = 320;
constexpr int kTileH = 270;
constexpr int kColumns = 6;
constexpr int kBoxW = 300;
constexpr int kBoxH = 230;

struct Tile {
    const Picture* picture;
    int cell;
};

std::vector<int> cellsToShow(int count) {
    if (count == 1) {
        return {0};
    }
    std::vector<int> cells{0, count / 3, (2 * count) / 3, count - 1};
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    return cells;
}

void checkerboard(cairo_t* cr, int width, int height) {
    for (int y = 0; y < height; y += 16) {
        for (int x = 0; x < width; x += 16) {
            const double v = ((x / 16 + y / 16) % 2 == 0) ? 0.42 : 0.55;
            cairo_set_source_rgb(cr, v, v, v);
            cairo_rectangle(cr, x, y, 16, 16);
            cairo_fill(cr);
        }
    }
}

void drawTile(cairo_t* cr, const Tile& tile, double x0, double y0) {
    const Picture& p = *tile.picture;
    const Image cell = cellOf(p.image, p.cellWidth, p.cellHeight, tile.cell);
    SurfacePtr surface = surfaceFromImage(cell);
    double scale = std::min(double(kBoxW) / cell.width, double(kBoxH) / cell.height);
    scale = scale >= 1.0 ? std::min(4.0, std::floor(scale)) : scale;
    const double w = cell.width * scale, h = cell.height * scale;
    cairo_save(cr);
    cairo_translate(cr, x0 + (kTileW - w) / 2, y0 + 8 + (kBoxH - h) / 2);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, surface.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr),
                             scale > 1.0 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);

    char label[160];
    std::snprintf(label, sizeof label, "%s  %dx%d  cell %d/%d", p.file.c_str(), p.cellWidth,
                  p.cellHeight, tile.cell, p.cells);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 12);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_move_to(cr, x0 + 8, y0 + kTileH - 12);
    cairo_show_text(cr, label);
}

} // namespace

void writeContactSheet(const std::filesystem::path& path, const std::vector<Picture>& pictures) {
    std::vector<Tile> tiles;
    for (const Picture& p : pictures) {
        for (int cell : cellsToShow(p.cells)) {
            tiles.push_back({&p, cell});
        }
    }
    const int rows = (static_cast<int>(tiles.size()) + kColumns - 1) / kColumns;
    Canvas canvas(kTileW * kColumns, kTileH * rows);
    cairo_t* cr = canvas.cr();
    checkerboard(cr, canvas.width(), canvas.height());
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const int col = static_cast<int>(i) % kColumns, row = static_cast<int>(i) / kColumns;
        drawTile(cr, tiles[i], col * kTileW, row * kTileH);
        cairo_rectangle(cr, col * kTileW + 0.5, row * kTileH + 0.5, kTileW - 1, kTileH - 1);
        cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    writePng(path, canvas.toImage());
}

void writeSoundTable(const std::filesystem::path& path, const std::vector<SoundRow>& rows) {
    std::ofstream out(path);
    char line[200];
    std::snprintf(line, sizeof line, "%-28s %10s %10s %10s\n", "file", "seconds", "peak dBFS",
                  "RMS dBFS");
    out << line;
    for (const SoundRow& row : rows) {
        std::snprintf(line, sizeof line, "%-28s %10.3f %10.2f %10.2f\n", row.file.c_str(),
                      row.stats.seconds, row.stats.peakDb, row.stats.rmsDb);
        out << line;
    }
}

} // namespace datagen
