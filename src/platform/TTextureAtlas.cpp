#include "platform/TTextureAtlas.h"

#include <algorithm>

#include "platform/TGlContext.h"

TTextureAtlas& TTextureAtlas::Shared(bool filtered) {
    static TTextureAtlas filteredAtlas(true);
    static TTextureAtlas plainAtlas(false);
    TTextureAtlas& atlas = filtered ? filteredAtlas : plainAtlas;
    if (atlas.generation_ != TGlContext::Current()) {
        atlas.Restart(TGlContext::Current());
    }
    return atlas;
}

void TTextureAtlas::Restart(unsigned generation) {
    // Pages of a closed context went with it.
    pages_.clear();
    generation_ = generation;
    pageWidth_ = std::min(PAGE_WIDTH, TGlContext::MaxTextureSize());
    pageHeight_ = std::min(PAGE_WIDTH / 2, TGlContext::MaxTextureSize());
    shelfX_ = shelfY_ = shelfHeight_ = 0;
}

void TTextureAtlas::StartShelf(int height) {
    shelfY_ += shelfHeight_;
    shelfX_ = 0;
    shelfHeight_ = height;
}

TTextureAtlas::TPlace TTextureAtlas::Place(int width, int height) {
    if (generation_ == 0 || width <= 0 || height <= 0 || width > pageWidth_ ||
        height > pageHeight_) {
        return {};
    }
    if (pages_.empty() || shelfX_ + width > pageWidth_) {
        StartShelf(height);
    }
    if (pages_.empty() || shelfY_ + std::max(shelfHeight_, height) > pageHeight_) {
        pages_.push_back(std::make_shared<TGlTexture>(pageWidth_, pageHeight_, filtered_));
        shelfY_ = shelfX_ = 0;
        shelfHeight_ = height;
    }
    shelfHeight_ = std::max(shelfHeight_, height);
    TPlace place{pages_.back(), shelfX_, shelfY_};
    shelfX_ += width;
    return place;
}
