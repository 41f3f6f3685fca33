#include "screens/TTitleScreen.h"

#include <cmath>

#include "core/Globals.h"
#include "gameplay/TProfile.h"
#include "platform/Graphics.h"
#include "platform/Images.h"
#include "platform/Input.h"
#include "platform/Random.h"
#include "screens/ScreenPictures.h"
#include "screens/TCreditsScreen.h"
#include "screens/TMapScreen.h"

namespace {
constexpr int KEY_C = 67;
constexpr float LOGO_Y = 30.0f;
constexpr float PROMPT_SCALE = 0.5f;
constexpr float PROMPT_SHADOW = 2.0f;
} // namespace

std::shared_ptr<TTitleScreen> TTitleScreen::Create() {
    auto screen = std::make_shared<TTitleScreen>();
    screen->name = "Title";
    screen->Init();
    return screen;
}

std::string TTitleScreen::PicturePath() {
    return game->imagePath + "title.png";
}

int TTitleScreen::Init() {
    game->clsColor = TColor::Create(0, 0, 0, 1.0f);
    titleImage = LoadScreenPicture(PicturePath());
    selectSound = game->LoadGameSound("select.wav", 0);
    logoSound = game->LoadGameSound("logo.ogg", 0);
    playPrompt_ = TTextStyle(100, 230, 100, PROMPT_SCALE, PROMPT_SHADOW);
    creditsPrompt_ = TTextStyle(230, 100, 230, PROMPT_SCALE, PROMPT_SHADOW);
    exitPrompt_ = TTextStyle(255, 255, 0, PROMPT_SCALE, PROMPT_SHADOW);
    LogoFlash();
    return 0;
}

int TTitleScreen::Start() {
    // Back from the credits the title music is still playing.
    if (game->lastScreenName != "CREDITS") {
        game->LoadMusic("title.ogg", 1);
        game->PlayMusic();
    }
    return 0;
}

int TTitleScreen::LogoFlash() {
    logoAnimCounter = static_cast<float>(logoAnimCounterMax);
    game->PlayGameSound2(logoSound, nullptr, 1.0f, 1.0f);
    logoAnimDelay = static_cast<float>(logoAnimDelayMax);
    return 0;
}

int TTitleScreen::StartGame() {
    profile = TProfile::Create();
    game->StopMusic();
    return 0;
}

void TTitleScreen::RunLogoTimers() {
    if (logoAnimCounter == 0.0f && logoAnimDelay == 0.0f && Rand(1, 1000) < 5) {
        LogoFlash();
    }
    if (logoAnimDelay > 0.0f) {
        logoAnimDelay -= delta;
        if (logoAnimDelay <= 0.0f) {
            logoAnimDelay = 0.0f;
        }
    }
    if (logoAnimCounter > 0.0f) {
        logoAnimCounter -= delta;
        if (logoAnimCounter <= 0.0f) {
            logoAnimCounter = 0.0f;
        }
    }
}

int TTitleScreen::Logic() {
    RunLogoTimers();
    if (KeyHit(Key::ESCAPE)) {
        game->endGame = 1;
        return 0;
    }
    if (KeyHit(Key::SPACE)) {
        game->PlayGameSound(selectSound, selectChannel, 1.0f, 1.0f);
        StartGame();
        game->ChangeScreen(TMapScreen::Create());
    }
    if (KeyHit(KEY_C)) {
        game->PlayGameSound(selectSound, selectChannel, 1.0f, 1.0f);
        game->ChangeScreen(TCreditsScreen::Create());
    }
    return 0;
}

int TTitleScreen::Draw() {
    DrawImage(titleImage, 0.0f, 0.0f, 0);
    auto progress = static_cast<double>(logoAnimCounter) / logoAnimCounterMax;
    int frame = (logoAnimFrames - 1) - static_cast<int>(std::floor(progress * logoAnimFrames));
    if (frame < 0) {
        frame = 0;
    }
    auto logo = imageBank->Find("logo")->image;
    auto logoX = static_cast<float>((renderer->screenWidth - ImageWidth(logo)) / 2);
    DrawImage(logo, logoX, LOGO_Y, frame);
    auto bottom = static_cast<float>(renderer->screenHeight);
    playPrompt_.DrawCentred("Press <Space> to Play", bottom - 150.0f);
    creditsPrompt_.DrawCentred("Press <C> for credits", bottom - 102.0f);
    exitPrompt_.DrawCentred("Press <Esc> to Exit", bottom - 54.0f);
    return 0;
}
