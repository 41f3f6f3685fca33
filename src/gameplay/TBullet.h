#pragma once

#include "sprites/TSprite.h"

// A shot of the player's side, from the ship or a turret, flying upward.
class TBullet : public TSprite {
public:
    float power = 1.0f;

    // Type 1 is a turret's shot, type 2 the ship's.
    static std::shared_ptr<TBullet> CreateBullet(int bulletType, int x, int y, float speedXValue,
                                                 float speedYValue);
    // Damages the first alien it touches, then leaves play.
    virtual int Collision();
};

using TBulletPtr = std::shared_ptr<TBullet>;
