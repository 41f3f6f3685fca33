#include "platform/Images.h"

#include <array>
#include <cstdint>

#include "platform/FilePath.h"
#include "platform/TImagePreloader.h"
#include "platform/TPngReader.h"

namespace {

constexpr uint32_t RGB_MASK = 0x00ffffffu;
constexpr uint32_t ALPHA_SHIFT = 24;

bool Transparent(uint32_t argb) {
    return (argb >> ALPHA_SHIFT) == 0;
}

// Pure black becomes fully transparent.
void MaskBlack(TPixmap& pixmap) {
    uint32_t* pixels = pixmap.Pixels();
    const size_t count = static_cast<size_t>(pixmap.Width()) * pixmap.Height();
    for (size_t i = 0; i < count; ++i) {
        if ((pixels[i] & RGB_MASK) == 0) {
            pixels[i] = 0;
        }
    }
}

// The average colour of the opaque neighbours of (x, y) in source, with alpha
// 0; false when it has none.
bool NeighbourColour(const TPixmap& source, int x, int y, uint32_t& colour) {
    std::array<uint32_t, 3> sum{};
    uint32_t count = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if ((dx == 0 && dy == 0) || !source.Contains(x + dx, y + dy)) {
                continue;
            }
            uint32_t argb = source.ReadPixel(x + dx, y + dy);
            if (Transparent(argb)) {
                continue;
            }
            sum[0] += (argb >> 16) & 0xffu;
            sum[1] += (argb >> 8) & 0xffu;
            sum[2] += argb & 0xffu;
            ++count;
        }
    }
    if (count == 0) {
        return false;
    }
    colour = (sum[0] / count) << 16 | (sum[1] / count) << 8 | (sum[2] / count);
    return true;
}

// Transparent texels next to opaque ones take their neighbours' colour (still
// transparent), so filtered drawing does not pull dark fringes into the edges.
void BleedIntoTransparent(TPixmap& pixmap) {
    const TPixmap source = pixmap;
    for (int y = 0; y < pixmap.Height(); ++y) {
        for (int x = 0; x < pixmap.Width(); ++x) {
            uint32_t colour = 0;
            if (Transparent(source.ReadPixel(x, y)) && NeighbourColour(source, x, y, colour)) {
                pixmap.WritePixel(x, y, colour);
            }
        }
    }
}

void PrepareCell(TPixmap& cell, int flags) {
    if (flags & ImageFlag::MASKED) {
        MaskBlack(cell);
    }
    if (flags & ImageFlag::FILTERED) {
        BleedIntoTransparent(cell);
    }
}

TPixmapPtr CutCell(const TPixmap& sheet, int left, int top, int width, int height) {
    auto cell = TPixmap::Create(width, height);
    for (int y = 0; y < height; ++y) {
        const uint32_t* from = sheet.Pixels() + static_cast<size_t>(top + y) * sheet.Width() + left;
        std::copy(from, from + width, cell->Pixels() + static_cast<size_t>(y) * width);
    }
    return cell;
}

// The picture of a file, decoded ahead of time when it was preloaded.
TPixmapPtr ReadPicture(const std::string& path) {
    if (auto preloaded = TImagePreloader::Instance().Take(path)) {
        return *preloaded;
    }
    return TPngReader::Read(ResolvePath(path));
}

} // namespace

void PreloadImages(const std::vector<std::string>& paths) {
    TImagePreloader::Instance().Start(paths);
}

void StopPreloadingImages() {
    TImagePreloader::Instance().Stop();
}

TImagePtr LoadImage(const std::string& path, int flags) {
    auto pixmap = ReadPicture(path);
    if (!pixmap) {
        return nullptr;
    }
    auto image = std::make_shared<TImage>(pixmap->Width(), pixmap->Height(), 1, flags);
    PrepareCell(*pixmap, flags);
    image->SetCell(0, pixmap);
    return image;
}

TImagePtr LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int first,
                        int count, int flags) {
    if (cellWidth <= 0 || cellHeight <= 0 || first < 0 || count <= 0) {
        return nullptr;
    }
    auto sheet = ReadPicture(path);
    if (!sheet) {
        return nullptr;
    }
    const int columns = sheet->Width() / cellWidth;
    const int rows = sheet->Height() / cellHeight;
    if (columns == 0 || static_cast<long>(first) + count > static_cast<long>(columns) * rows) {
        return nullptr;
    }
    auto image = std::make_shared<TImage>(cellWidth, cellHeight, count, flags);
    for (int i = 0; i < count; ++i) {
        const int index = first + i;
        auto cell = CutCell(*sheet, (index % columns) * cellWidth, (index / columns) * cellHeight,
                            cellWidth, cellHeight);
        PrepareCell(*cell, flags);
        image->SetCell(i, cell);
    }
    return image;
}
