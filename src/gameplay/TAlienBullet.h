#pragma once

#include "sprites/TSprite.h"

// A shot fired by an alien: an aimed shot or a falling bomb.
class TAlienBullet : public TSprite {
public:
    float power = 1.0f;

    static std::shared_ptr<TAlienBullet> CreateAlienBullet(const std::string& imageName, int x,
                                                           int y, float speedXValue,
                                                           float speedYValue);
    // Damages the ship and then at most one turret it touches.
    virtual int Collision();
    // A small burst of debris; the caller takes the bullet out of play.
    virtual int Explode();
};

using TAlienBulletPtr = std::shared_ptr<TAlienBullet>;
