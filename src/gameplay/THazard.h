#pragma once

#include "sprites/TSprite.h"

// An alien. Type 1 is common, fast and fires aimed shots; type 2 is rare,
// slow, armoured and drops heavy bombs.
class THazard : public TSprite {
public:
    // Frames in each alien picture.
    static constexpr int animFrames = 20;

    int alienType = 0;
    int accuracyRange = 0;
    float bulletSpeed = 0.0f;
    float fireChance = 0.0f;
    float health = 0.0f;
    int pickupChance = 0;
    float power = 0.0f;
    int score = 0;

    // An alien of a random type.
    static std::shared_ptr<THazard> CreateHazard(int x, int y);
    static std::shared_ptr<THazard> CreateHazardOfType(int x, int y, int type);

    virtual int Damage(float amount);
    // reward 1: destroyed by the player's side (kill, score, maybe a pickup);
    // 0: cleared away.
    virtual int Explode(int reward);
    // 0 while the ship is dying (aliens hold fire), else 1.
    virtual int Shoot();

private:
    void SetType(int type);
    void Reward();
};

using THazardPtr = std::shared_ptr<THazard>;
