#pragma once

#include <memory>

#include "platform/TObject.h"

// One run of the game, kept from level to level.
class TProfile : public TObject {
public:
    int collected = 0;
    int level = 1;
    int lives = 3;
    int maxPickups = 10;
    int score = 0;

    static std::shared_ptr<TProfile> Create() { return std::make_shared<TProfile>(); }

    // Adds change to the lives, never going below 0.
    virtual int UpdateLives(int change);
};

using TProfilePtr = std::shared_ptr<TProfile>;
