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

void Prompt(const std::string& text, int fromBottom, int r, int g, int b) {
    renderer->OutputTextCentered(text, static_cast<float>(renderer->screenHeight - fromBottom),
                                 mainFont, PROMPT_SCALE, PROMPT_SCALE,
                                 TColor::Create(r, g, b, 1.0f), TShadow::Create(2.0f, 2.0f, 0.5f));
}
} // namespace

std::shared_ptr<TTitleScreen> TTitleScreen::Create() {
    auto screen = std::make_shared<TTitleScreen>();
    screen->name = "Title";
    screen->Init();
    return screen;
}

int TTitleScreen::Init() {
    game->clsColor = TColor::Create(0, 0, 0, 1.0f);
    titleImage = LoadScreenPicture(game->imagePath + "title.png");
    selectSound = game->LoadGameSound("select.wav", 0);
    logoSound = game->LoadGameSound("logo.ogg", 0);
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
    Prompt("Press <Space> to Play", 150, 100, 230, 100);
    Prompt("Press <C> for credits", 102, 230, 100, 230);
    Prompt("Press <Esc> to Exit", 54, 255, 255, 0);
    return 0;
}
