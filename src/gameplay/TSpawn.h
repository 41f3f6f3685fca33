#pragma once

#include "sprites/TSprite.h"

// A turret the ship launches: it stands still, fires upward on its own and
// is destroyed by the aliens' shots.
class TSpawn : public TSprite {
public:
    float power = 1.0f;
    float health = 5.0f;
    float shootCounter = 0.0f;
    int shootCounterMax = 100;

    static std::shared_ptr<TSpawn> CreateSpawn(int x, int y);

    int Logic() override;
    virtual int Damage(float amount);
    virtual int Explode();
};

using TSpawnPtr = std::shared_ptr<TSpawn>;
