#include "screens/TGameScreen.h"

#include "core/Globals.h"
#include "gameplay/TLevel.h"
#include "gameplay/TPlayer.h"
#include "platform/Input.h"
#include "screens/THUD.h"
#include "screens/TTitleScreen.h"

TParticleListPtr TGameScreen::particleList;

std::shared_ptr<TGameScreen> TGameScreen::Create() {
    auto screen = std::make_shared<TGameScreen>();
    screen->Init();
    screen->name = "Game";
    return screen;
}

int TGameScreen::Init() {
    game->clsColor = TColor::Create(0, 0, 0, 1.0f);
    level = TLevel::Create();
    level->Init();
    player = TPlayer::CreatePlayer();
    HUD = THUD::Create();
    particleList = TParticleList::Create();
    game->LoadMusic("game.ogg", 1);
    game->PlayMusic();
    player->LevelStart();
    renderer->ResetScale();
    renderer->ResetScrolling();
    FlushKeys();
    return 0;
}

int TGameScreen::Logic() {
    if (KeyHit(Key::ESCAPE)) {
        renderer->ResetScale();
        renderer->ResetScrolling();
        game->ChangeScreen(TTitleScreen::Create());
    }
    level->Logic();
    player->Logic();
    particleList->Logic();
    return 0;
}

int TGameScreen::Draw() {
    level->Draw();
    player->Draw();
    particleList->Draw();
    HUD->Draw();
    return 0;
}
