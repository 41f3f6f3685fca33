#include "gameplay/TPickup.h"

#include "core/Globals.h"
#include "gameplay/TLevel.h"

namespace {
constexpr float FALL_GRAVITY = 0.02f;
}

std::shared_ptr<TPickup> TPickup::CreatePickup(int x, int y) {
    auto pickup = std::make_shared<TPickup>();
    pickup->SetImage(imageBank->Find("pickup"));
    pickup->x = static_cast<float>(x);
    pickup->y = static_cast<float>(y);
    pickup->gravity = FALL_GRAVITY;
    return pickup;
}

int TPickup::Logic() {
    auto ground = static_cast<float>(level->groundLevel);
    if (y >= ground && lifeCounter == 0.0f) {
        y = ground;
        gravity = 0.0f;
        speedY = 0.0f;
        lifeCounter = static_cast<float>(LifeCounterMax);
    }
    if (!TSprite::Logic()) {
        auto self = shared_from_this();
        level->pickupList->Remove(self);
    }
    if (lifeCounter > 0.0f) {
        alpha = lifeCounter / static_cast<float>(LifeCounterMax);
    }
    return 0;
}
