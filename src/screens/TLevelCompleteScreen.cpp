#include "screens/TLevelCompleteScreen.h"

#include <cmath>
#include <cstdio>

#include "common/Common.h"
#include "core/Globals.h"
#include "gameplay/TLevel.h"
#include "gameplay/TProfile.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Strings.h"
#include "screens/TGameScreen.h"

namespace {
constexpr int POINTS_PER_SECOND = 2;

// A number written the way the platform writes a Float: nine significant
// digits with trailing zeros.
std::string FloatText(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%#.9g", static_cast<double>(value));
    return text;
}

// The captions and the values beside them, rows 60 pixels apart from y 300.
TLabelColumnPtr Column(float x, int r, int g, int b) {
    return TTextStyle(r, g, b, 0.5f, 2.0f).MakeColumn(x, 300.0f, 60);
}
} // namespace

std::shared_ptr<TLevelCompleteScreen> TLevelCompleteScreen::Create() {
    auto screen = std::make_shared<TLevelCompleteScreen>();
    screen->name = "Level Complete";
    screen->Init();
    return screen;
}

float TLevelCompleteScreen::GetSeconds() {
    return level->timeLeft * game->msPerFrame / 1000.0f;
}

int TLevelCompleteScreen::TimeBonus() {
    return static_cast<int>(std::floor(GetSeconds())) * POINTS_PER_SECOND;
}

int TLevelCompleteScreen::Init() {
    game->clsColor = TColor::Create(0, 50, 0, 1.0f);
    game->StopMusic();
    game->LoadMusic("victory.ogg", 0);
    game->PlayMusic();
    selectSound = game->LoadGameSound("select.wav", 0);
    headingStyle_ = TTextStyle(100, 255, 100, 1.0f, 3.0f);
    promptStyle_ = TTextStyle(255, 255, 0, 0.5f, 2.0f);
    statColumn = Column(260.0f, 150, 255, 255);
    statColumn->AddLabel("Current Score:");
    statColumn->AddLabel("Time Left:");
    statColumn->AddLabel("Time Bonus:");
    numColumn = Column(605.0f, 255, 255, 255);
    numColumn->AddLabel(ccPadWithZeros(std::to_string(profile->score), 5));
    numColumn->AddLabel(Left(FloatText(GetSeconds()), 5) + " secs");
    numColumn->AddLabel("+ " + std::to_string(TimeBonus()) + " points");
    return 0;
}

int TLevelCompleteScreen::Draw() {
    SetAlpha(0.2f);
    SetScale(1.2f, 1.2f);
    DrawImage(imageBank->Find("win")->image, static_cast<float>(renderer->screenWidth / 2),
              static_cast<float>(renderer->screenHeight / 2), 0);
    SetScale(1.0f, 1.0f);
    SetAlpha(1.0f);
    headingStyle_.DrawCentred("Level " + std::to_string(profile->level) + " Complete!",
                              static_cast<float>(renderer->screenHeight / 2 - 300));
    statColumn->Draw();
    numColumn->Draw();
    promptStyle_.DrawCentred("Press <Space> to Continue", 700.0f);
    return 0;
}

int TLevelCompleteScreen::Logic() {
    if (KeyHit(Key::ESCAPE)) {
        Close();
    }
    if (KeyHit(Key::SPACE) || KeyHit(Key::ENTER) || ccMouseHit()) {
        Close();
    }
    return 0;
}

int TLevelCompleteScreen::Close() {
    ++profile->level;
    profile->score += TimeBonus();
    game->PlayGameSound(selectSound, selectChannel, 1.0f, 1.0f);
    game->ChangeScreen(TGameScreen::Create());
    return 0;
}
