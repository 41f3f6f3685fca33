#pragma once

#include "sprites/TSprite.h"

// What a destroyed alien drops: it falls to the ground line, lies there
// fading for two seconds, and is gone unless the ship collects it first.
class TPickup : public TSprite {
public:
    static constexpr int SCORE = 100;

    int LifeCounterMax = 400;

    static std::shared_ptr<TPickup> CreatePickup(int x, int y);

    int Logic() override;
};

using TPickupPtr = std::shared_ptr<TPickup>;
