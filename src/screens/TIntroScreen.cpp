#include "screens/TIntroScreen.h"

#include "common/Common.h"
#include "core/Globals.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Sound.h"
#include "screens/ScreenPictures.h"
#include "screens/TTitleScreen.h"

std::shared_ptr<TIntroScreen> TIntroScreen::Create() {
    auto screen = std::make_shared<TIntroScreen>();
    screen->LENGTH = static_cast<int>(3.0f * game->frameRate);
    screen->name = "Intro";
    screen->Init();
    return screen;
}

std::string TIntroScreen::PicturePath() {
    return game->dataPath + "tarnhollow.png";
}

int TIntroScreen::Init() {
    game->clsColor = TColor::Create(0, 0, 0, 1.0f);
    splash = LoadScreenPicture(PicturePath());
    introSound = game->LoadGameSound("splashsound.wav", 0);
    game->PlayGameSound(introSound, introChannel, 1.0f, 1.0f);
    return 0;
}

int TIntroScreen::Logic() {
    if (KeyHit(Key::ESCAPE)) {
        game->endGame = 1;
        return 0;
    }
    if (KeyHit(Key::SPACE) || KeyHit(Key::ENTER) || ccMouseHit()) {
        NextScreen();
    }
    ++counter;
    if (counter >= LENGTH) {
        NextScreen();
    }
    return 0;
}

int TIntroScreen::Draw() {
    float rate = game->frameRate;
    int whole = static_cast<int>(rate);
    if (static_cast<float>(counter) < rate) {
        SetAlpha(static_cast<float>(counter) / rate);
    }
    if (counter > LENGTH - whole) {
        SetAlpha(1.0f - static_cast<float>(counter - (LENGTH - whole)) / static_cast<float>(whole));
    }
    DrawImage(splash, 0.0f, 0.0f, 0);
    SetAlpha(1.0f);
    return 0;
}

int TIntroScreen::NextScreen() {
    // A jingle that never started has nothing to stop.
    if (introChannel) {
        StopChannel(introChannel);
    }
    game->ChangeScreen(TTitleScreen::Create());
    return 0;
}
