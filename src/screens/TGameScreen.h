#pragma once

#include "core/TScreen.h"
#include "sprites/TParticleList.h"

// The screen a level is played on: a new level, ship, HUD and particle list
// each time it is made.
class TGameScreen : public TScreen {
public:
    // The particles of the level being played.
    static TParticleListPtr particleList;

    static std::shared_ptr<TGameScreen> Create();

    int Draw() override;
    int Init() override;
    int Logic() override;
};
