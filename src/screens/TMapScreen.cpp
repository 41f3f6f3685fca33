#include "screens/TMapScreen.h"

#include <cmath>

#include "common/Common.h"
#include "core/Globals.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "screens/ScreenPictures.h"
#include "screens/TGameScreen.h"
#include "screens/TTitleScreen.h"

namespace {
constexpr int GEAR_FRAMES = 5;
constexpr int GEAR_SIZE = 200;

} // namespace

std::shared_ptr<TMapScreen> TMapScreen::Create() {
    auto screen = std::make_shared<TMapScreen>();
    screen->name = "Map";
    screen->Init();
    return screen;
}

int TMapScreen::Init() {
    game->clsColor = TColor::Create(80, 50, 0, 1.0f);
    selectSound = game->LoadGameSound("select.wav", 0);
    headingStyle_ = TTextStyle(100, 255, 255, 1.0f, 2.0f);
    controlsStyle_ = TTextStyle(100, 255, 100, 0.5f, 2.0f);
    promptStyle_ = TTextStyle(255, 255, 0, 0.5f, 2.0f);
    bgImage = LoadScreenAnimation("data/images/gear.png", GEAR_SIZE, GEAR_SIZE, GEAR_FRAMES);
    return 0;
}

int TMapScreen::Draw() {
    auto turn = static_cast<double>(animCounter) / animCounterMax;
    int frame = static_cast<int>(std::floor(turn * GEAR_FRAMES));
    if (frame < 0) {
        frame = 0;
    }
    SetAlpha(0.3f);
    DrawImage(bgImage, 50.0f, 50.0f, frame);
    SetAlpha(1.0f);
    headingStyle_.DrawCentred("Instructions", 50.0f);
    controlsStyle_.DrawCentred("Use <Arrow> keys to move", 300.0f);
    controlsStyle_.DrawCentred("Use <Z> to fire", 345.0f);
    controlsStyle_.DrawCentred("Use <X> to spawn", 390.0f);
    promptStyle_.DrawCentred("Press <Space> to continue",
                             static_cast<float>(renderer->screenHeight - 100));
    return 0;
}

int TMapScreen::Logic() {
    if (KeyHit(Key::SPACE) || ccMouseHit()) {
        game->PlayGameSound(selectSound, selectChannel, 1.0f, 1.0f);
        game->ChangeScreen(TGameScreen::Create());
        gameScreen = std::dynamic_pointer_cast<TGameScreen>(game->currentScreen);
    }
    if (KeyHit(Key::ESCAPE)) {
        game->PlayGameSound(selectSound, selectChannel, 1.0f, 1.0f);
        game->ChangeScreen(TTitleScreen::Create());
    }
    animCounter += delta;
    if (animCounter >= static_cast<float>(animCounterMax)) {
        animCounter -= static_cast<float>(animCounterMax);
    }
    return 0;
}
