#include "core/Globals.h"

TGamePtr game;
TRendererPtr renderer;
TImageBankPtr imageBank;
TImageFontPtr mainFont;
float delta = 0.0f;

std::shared_ptr<TProfile> profile;
std::shared_ptr<TLevel> level;
std::shared_ptr<TPlayer> player;
std::shared_ptr<THUD> HUD;
std::shared_ptr<TGameScreen> gameScreen;
