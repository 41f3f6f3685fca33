#include "platform/TImageTexture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/Images.h"
#include "platform/TGlContext.h"
#include "platform/TTextureAtlas.h"

namespace {

// How the cells of an image are laid out on texture pages.
struct TLayout {
    int cellWidth = 0; // after any scaling down, without border
    int cellHeight = 0;
    int columns = 1;
    int rows = 1;
};

TLayout PlanLayout(int width, int height, int cellCount, int maxSide) {
    TLayout layout;
    const int room = maxSide - 2;
    const double shrink =
        std::min({1.0, static_cast<double>(room) / width, static_cast<double>(room) / height});
    layout.cellWidth = std::max(1, static_cast<int>(width * shrink));
    layout.cellHeight = std::max(1, static_cast<int>(height * shrink));
    const int paddedWidth = layout.cellWidth + 2;
    const int paddedHeight = layout.cellHeight + 2;
    const int maxColumns = std::max(1, maxSide / paddedWidth);
    const int maxRows = std::max(1, maxSide / paddedHeight);
    // Roughly square pages keep both sides well inside the limit.
    layout.columns = std::clamp(static_cast<int>(std::ceil(std::sqrt(cellCount))), 1, maxColumns);
    layout.rows = std::min(maxRows, (cellCount + layout.columns - 1) / layout.columns);
    if (layout.rows == maxRows) {
        layout.columns = maxColumns;
    }
    return layout;
}

uint32_t SampleNearest(const TPixmap& cell, int x, int y, int width, int height) {
    const int sx = static_cast<int>(static_cast<int64_t>(x) * cell.Width() / width);
    const int sy = static_cast<int>(static_cast<int64_t>(y) * cell.Height() / height);
    return cell.ReadPixel(sx, sy);
}

} // namespace

TImageTexture::TImageTexture(unsigned generation, unsigned version, TPages pages,
                             std::vector<TTextureRegion> cells)
    : generation_(generation), version_(version), pages_(std::move(pages)),
      cells_(std::move(cells)) {}

const TImageTexture* TImageTexture::For(TImage& image) {
    if (TGlContext::Current() == 0) {
        return nullptr;
    }
    auto* known = dynamic_cast<TImageTexture*>(image.backendData.get());
    if (known && known->UpToDate(image)) {
        return known;
    }
    // An image changed after it was packed goes on a texture of its own, so
    // pictures edited again and again do not fill the shared pages.
    const bool changedSincePacked = known && known->generation_ == TGlContext::Current();
    auto built = changedSincePacked ? nullptr : BuildPacked(image);
    if (!built) {
        built = Build(image);
    }
    image.backendData = built;
    return built.get();
}

bool TImageTexture::UpToDate(const TImage& image) const {
    return generation_ == TGlContext::Current() && version_ == image.version;
}

const TTextureRegion* TImageTexture::Cell(int index) const {
    if (index < 0 || index >= static_cast<int>(cells_.size())) {
        return nullptr;
    }
    return &cells_[static_cast<size_t>(index)];
}

std::shared_ptr<TImageTexture> TImageTexture::BuildPacked(const TImage& image) {
    const int count = image.CellCount();
    const int paddedWidth = image.Width() + 2;
    const int paddedHeight = image.Height() + 2;
    if (count == 0 || image.Width() == 0 || image.Height() == 0 ||
        static_cast<long>(count) * paddedWidth * paddedHeight > TTextureAtlas::MAX_PACKED_AREA) {
        return nullptr;
    }
    const bool filtered = (image.Flags() & ImageFlag::FILTERED) != 0;
    auto& atlas = TTextureAtlas::Shared(filtered);
    std::vector<TTextureRegion> cells;
    for (int i = 0; i < count; ++i) {
        auto place = atlas.Place(paddedWidth, paddedHeight);
        if (!place.page) {
            return nullptr;
        }
        UploadPadded(*place.page, place.x, place.y, *image.Cell(i), image.Width(), image.Height());
        const auto w = static_cast<float>(place.page->Width());
        const auto h = static_cast<float>(place.page->Height());
        cells.push_back({place.page, static_cast<float>(place.x + 1) / w,
                         static_cast<float>(place.y + 1) / h,
                         static_cast<float>(place.x + 1 + image.Width()) / w,
                         static_cast<float>(place.y + 1 + image.Height()) / h});
    }
    return std::make_shared<TImageTexture>(TGlContext::Current(), image.version, TPages{},
                                           std::move(cells));
}

std::shared_ptr<TImageTexture> TImageTexture::Build(const TImage& image) {
    const int count = image.CellCount();
    if (count == 0 || image.Width() == 0 || image.Height() == 0) {
        return nullptr;
    }
    const TLayout layout = PlanLayout(image.Width(), image.Height(), count,
                                      std::max(64, TGlContext::MaxTextureSize()));
    const bool filtered = (image.Flags() & ImageFlag::FILTERED) != 0;
    const int paddedWidth = layout.cellWidth + 2;
    const int paddedHeight = layout.cellHeight + 2;
    const int perPage = layout.columns * layout.rows;
    TPages pages;
    std::vector<TTextureRegion> cells;
    for (int i = 0; i < count; ++i) {
        const int slot = i % perPage;
        if (slot == 0) {
            const int onPage = std::min(perPage, count - i);
            const int rows = (onPage + layout.columns - 1) / layout.columns;
            const int columns = std::min(layout.columns, onPage);
            pages.push_back(
                std::make_shared<TGlTexture>(columns * paddedWidth, rows * paddedHeight, filtered));
        }
        const auto& pagePtr = pages.back();
        TGlTexture& page = *pagePtr;
        const int x = (slot % layout.columns) * paddedWidth;
        const int y = (slot / layout.columns) * paddedHeight;
        UploadPadded(page, x, y, *image.Cell(i), layout.cellWidth, layout.cellHeight);
        const auto w = static_cast<float>(page.Width());
        const auto h = static_cast<float>(page.Height());
        cells.push_back({pagePtr, static_cast<float>(x + 1) / w, static_cast<float>(y + 1) / h,
                         static_cast<float>(x + 1 + layout.cellWidth) / w,
                         static_cast<float>(y + 1 + layout.cellHeight) / h});
    }
    return std::make_shared<TImageTexture>(TGlContext::Current(), image.version, std::move(pages),
                                           std::move(cells));
}

void TImageTexture::UploadPadded(TGlTexture& texture, int x, int y, const TPixmap& cell, int width,
                                 int height) {
    const int paddedWidth = width + 2;
    const int paddedHeight = height + 2;
    const bool sameSize = width == cell.Width() && height == cell.Height();
    std::vector<uint32_t> padded(static_cast<size_t>(paddedWidth) * paddedHeight);
    for (int py = 0; py < paddedHeight; ++py) {
        const int cy = std::clamp(py - 1, 0, height - 1);
        for (int px = 0; px < paddedWidth; ++px) {
            const int cx = std::clamp(px - 1, 0, width - 1);
            padded[static_cast<size_t>(py) * paddedWidth + px] =
                sameSize ? cell.ReadPixel(cx, cy) : SampleNearest(cell, cx, cy, width, height);
        }
    }
    texture.Upload(x, y, paddedWidth, paddedHeight, padded.data());
}
