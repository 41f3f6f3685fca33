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

void Line(const std::string& text, int y, int r, int g, int b) {
    renderer->OutputTextCentered(text, static_cast<float>(y), mainFont, LINE_SCALE, LINE_SCALE,
                                 TColor::Create(r, g, b, 1.0f), TShadow::Create(2.0f, 2.0f, 0.5f));
}
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
    return 0;
}

int TCreditsScreen::Draw() {
    DrawImage(bgImage, 0.0f, 0.0f, 0);
    int y = renderer->screenHeight / 2 - 80;
    for (const auto& credit : CREDITS) {
        Line(credit.heading, y, 100, 255, 100);
        y += 30;
        Line(credit.names, y, 100, 255, 255);
        y += 42;
    }
    Line("Press <Space> to go back", renderer->screenHeight - 70, 255, 255, 0);
    return 0;
}

int TCreditsScreen::Logic() {
    if (KeyHit(Key::SPACE) || KeyHit(Key::ESCAPE) || ccMouseHit()) {
        game->PlayGameSound(selectSound, selectChannel, 1.0f, 1.0f);
        game->ChangeScreen(TTitleScreen::Create());
    }
    return 0;
}
