#include "screens/TGameOverScreen.h"

#include "common/Common.h"
#include "core/Globals.h"
#include "gameplay/TProfile.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "screens/ScreenPictures.h"
#include "screens/TTitleScreen.h"

namespace {
// The captions and the values beside them, rows 60 pixels apart from y 300.
TLabelColumnPtr Column(float x, int r, int g, int b) {
    return TTextStyle(r, g, b, 0.5f, 2.0f).MakeColumn(x, 300.0f, 60);
}
} // namespace

std::shared_ptr<TGameOverScreen> TGameOverScreen::Create() {
    auto screen = std::make_shared<TGameOverScreen>();
    screen->name = "Game Over";
    screen->Init();
    return screen;
}

int TGameOverScreen::Init() {
    game->clsColor = TColor::Create(50, 0, 0, 1.0f);
    game->StopMusic();
    game->LoadMusic("gameover.ogg", 0);
    game->PlayMusic();
    selectSound = game->LoadGameSound("select.wav", 0);
    headingStyle_ = TTextStyle(255, 50, 50, 1.0f, 3.0f);
    promptStyle_ = TTextStyle(255, 255, 0, 0.5f, 2.0f);
    bgImage = LoadScreenPicture("data/images/gameover.png");
    statColumn = Column(300.0f, 150, 255, 255);
    statColumn->AddLabel("Final  Score:");
    statColumn->AddLabel("Final  Level:");
    numColumn = Column(600.0f, 255, 255, 255);
    numColumn->AddLabel(ccPadWithZeros(std::to_string(profile->score), 5));
    numColumn->AddLabel(std::to_string(profile->level));
    return 0;
}

int TGameOverScreen::Draw() {
    SetAlpha(0.3f);
    DrawImage(bgImage, 0.0f, 0.0f, 0);
    SetAlpha(1.0f);
    headingStyle_.DrawCentred("Game Over", static_cast<float>(renderer->screenHeight / 2 - 300));
    statColumn->Draw();
    numColumn->Draw();
    promptStyle_.DrawCentred("Press <Space> to Continue", 700.0f);
    return 0;
}

int TGameOverScreen::Logic() {
    if (KeyHit(Key::ESCAPE)) {
        Close();
    }
    if (KeyHit(Key::SPACE) || KeyHit(Key::ENTER) || ccMouseHit()) {
        Close();
    }
    return 0;
}

int TGameOverScreen::Close() {
    game->PlayGameSound(selectSound, selectChannel, 1.0f, 1.0f);
    game->ChangeScreen(TTitleScreen::Create());
    return 0;
}
