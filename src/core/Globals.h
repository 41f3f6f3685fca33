#pragma once

#include <memory>

#include "core/TGame.h"
#include "display/TImageBank.h"
#include "display/TRenderer.h"
#include "platform/TImageFont.h"

class TProfile;
class TLevel;
class TPlayer;
class THUD;
class TGameScreen;

// The objects that live for the whole run.
extern TGamePtr game;
extern TRendererPtr renderer;
extern TImageBankPtr imageBank;
extern TImageFontPtr mainFont;
// The time factor of the logic step in progress: 1.0 in whole steps, the
// leftover fraction in each frame's last step.
extern float delta;

// The run in progress, made when a game starts.
extern std::shared_ptr<TProfile> profile;
// The level being played, its ship and its heads-up display.
extern std::shared_ptr<TLevel> level;
extern std::shared_ptr<TPlayer> player;
extern std::shared_ptr<THUD> HUD;
// The first game screen of the run.
extern std::shared_ptr<TGameScreen> gameScreen;
