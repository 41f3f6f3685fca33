#pragma once

#include <memory>
#include <vector>

#include "platform/TGlTexture.h"

// Shared texture pages that the cells of small images are packed into, so a
// scene of many small pictures (aliens, shots, sparks, pickups) draws in a
// handful of calls instead of one per change of picture. Room is handed out
// shelf by shelf and never given back: an image whose pixels change after it
// was packed gets a texture of its own instead (TImageTexture).
class TTextureAtlas {
public:
    struct TPlace {
        std::shared_ptr<TGlTexture> page; // null: the block does not fit a page
        int x = 0;
        int y = 0;
    };

    // Pages are this wide and half as high (or the context's limit if smaller).
    static constexpr int PAGE_WIDTH = 2048;
    // Images up to this many texels (borders included) are packed; larger
    // ones gain little and would fill pages quickly.
    static constexpr int MAX_PACKED_AREA = 512 * 512;

    // The atlas of the live context for filtered or for unfiltered pictures;
    // it starts empty in every new context.
    static TTextureAtlas& Shared(bool filtered);

    // Room for a block of width by height texels.
    TPlace Place(int width, int height);

    int Pages() const { return static_cast<int>(pages_.size()); }

private:
    explicit TTextureAtlas(bool filtered) : filtered_(filtered) {}
    void Restart(unsigned generation);
    void StartShelf(int height);

    bool filtered_;
    unsigned generation_ = 0;
    int pageWidth_ = 0;
    int pageHeight_ = 0;
    std::vector<std::shared_ptr<TGlTexture>> pages_;
    int shelfX_ = 0;
    int shelfY_ = 0;
    int shelfHeight_ = 0;
};
