#include "screens/TCreditsScreen.h"

#include "common/Common.h"
#include "core/Globals.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "screens/ScreenPictures.h"
#include "screens/TTitleScreen.h"

namespace {
constexpr float LINE_SCALE = 0.35f;

struct Credit {
    const char* heading;
    const char* names;
};

// Everything in the game was made by its own team and tools.
constexpr Credit CREDITS[] = {
    {"Design", "The Brindlewick team"},
    {"Programming", "The Brindlewick team"},
    {"Graphics", "Drawn by the Brindlewick data generator"},
    {"Music", "Composed by the Brindlewick sequencer"},
    {"Sound", "Synthesised by the Brindlewick data generator"},
};

} // namespace

std::shared_ptr<TCreditsScreen> TCreditsScreen::Create() {
    auto screen = std::make_shared<TCreditsScreen>();
    screen->name = "Credits";
    screen->Init();
    return screen;
}

int TCreditsScreen::Init() {
    game->clsColor = TColor::Create(0, 0, 0, 1.0f);
    selectSound = game->LoadGameSound("select.wav", 0);
    bgImage = LoadScreenPicture(game->imagePath + "credits.png");
    headingStyle_ = TTextStyle(100, 255, 100, LINE_SCALE, 2.0f);
    namesStyle_ = TTextStyle(100, 255, 255, LINE_SCALE, 2.0f);
    promptStyle_ = TTextStyle(255, 255, 0, LINE_SCALE, 2.0f);
    return 0;
}

int TCreditsScreen::Draw() {
    DrawImage(bgImage, 0.0f, 0.0f, 0);
    int y = renderer->screenHeight / 2 - 80;
    for (const auto& credit : CREDITS) {
        headingStyle_.DrawCentred(credit.heading, static_cast<float>(y));
        y += 30;
        namesStyle_.DrawCentred(credit.names, static_cast<float>(y));
        y += 42;
    }
    promptStyle_.DrawCentred("Press <Space> to go back",
                             static_cast<float>(renderer->screenHeight - 70));
    return 0;
}

int TCreditsScreen::Logic() {
    if (KeyHit(Key::SPACE) || KeyHit(Key::ESCAPE) || ccMouseHit()) {
        game->PlayGameSound(selectSound, selectChannel, 1.0f, 1.0f);
        game->ChangeScreen(TTitleScreen::Create());
    }
    return 0;
}
