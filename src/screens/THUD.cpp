#include "screens/THUD.h"

#include <cmath>
#include <string>

#include "common/Common.h"
#include "core/Globals.h"
#include "gameplay/TLevel.h"
#include "gameplay/TPlayer.h"
#include "gameplay/TProfile.h"
#include "platform/Graphics.h"
#include "text/TTextFormat.h"

namespace {
constexpr int ROW_GAP = 40;
constexpr int BAR_HEIGHT = 40;
constexpr float BAR_ALPHA = 0.7f;
constexpr int LAST_SECONDS = 10;

struct Rgb {
    int r, g, b;
};
constexpr Rgb BAR_BACKGROUND = {30, 30, 30};

TLabelPtr MakeLabel(const std::string& text, float x, float y, float sx, float sy, Rgb color,
                    float shadowAlpha) {
    auto label = TLabel::Create(text, x, y, mainFont, sx, sy);
    label->useRendererCamera = 0;
    label->SetFormatMode(TTextFormat::FORMAT_MODE_STRING, 0);
    label->SetColor(color.r, color.g, color.b, 1.0f);
    label->SetShadow(1.0f, 1.0f, shadowAlpha);
    return label;
}

TStatLabelPtr MakeStat(const std::string& caption, const std::string& value, float x, Rgb color) {
    auto stat = TStatLabel::Create(caption, value, x, 3.0f, mainFont, 0.4f, 0.6f);
    stat->SetUseRendererCamera(0);
    stat->stat->SetFormatMode(TTextFormat::FORMAT_MODE_STRING, 0);
    stat->SetColor(color.r, color.g, color.b, 1.0f);
    stat->SetShadow(1.0f, 1.0f, 0.5f);
    stat->AlignAsRow(ROW_GAP);
    return stat;
}

// A dark bar of width pixels with the fraction filled in fill, outlined in white.
void DrawBar(int x, int y, int width, float fraction, Rgb fill) {
    auto left = static_cast<float>(x);
    auto top = static_cast<float>(y);
    SetColor(BAR_BACKGROUND.r, BAR_BACKGROUND.g, BAR_BACKGROUND.b);
    DrawRect(left, top, static_cast<float>(width), BAR_HEIGHT);
    SetColor(fill.r, fill.g, fill.b);
    auto filled = static_cast<int>(fraction * static_cast<float>(width));
    DrawRect(left, top, static_cast<float>(filled), BAR_HEIGHT);
    SetColor(255, 255, 255);
    ccDrawRectOutline(x, y, width, BAR_HEIGHT);
}
} // namespace

std::shared_ptr<THUD> THUD::Create() {
    auto hud = std::make_shared<THUD>();
    hud->Init();
    return hud;
}

int THUD::Init() {
    lastSeconds = 999;
    const int width = renderer->screenWidth;
    const int height = renderer->screenHeight;
    MakeTopLabels(width);
    MakeBottomLabels(width, height);
    UpdateAll();
    return 0;
}

void THUD::MakeTopLabels(int width) {
    auto w = static_cast<float>(width);
    healthLabel = MakeLabel("Health", w / 2.0f - 90.0f, 3.0f, 0.4f, 0.6f, {250, 100, 100}, 0.5f);
    killsLabel = MakeStat("Kills", "", 10.0f, {255, 255, 100});
    livesLabel = MakeStat("Lives", "0", 200.0f, {255, 200, 200});
    scoreLabel = MakeStat("Score", std::to_string(profile->score), w - 250.0f, {255, 255, 100});
    scoreLabel->stat->SetFormatMode(TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 5);
}

void THUD::MakeBottomLabels(int width, int height) {
    auto w = static_cast<float>(width);
    auto h = static_cast<float>(height);
    goalLabel =
        MakeLabel("Pickups", w / 2.0f - 100.0f, h - 52.0f, 0.48f, 0.72f, {100, 255, 255}, 0.5f);
    goalStatLabel = MakeLabel("", w / 2.0f, h - 50.0f, 0.44f, 0.66f, {255, 255, 255}, 0.5f);
    goalStatLabel->alignment = TLabel::ALIGN_CENTRE_HORIZ;
    timeLabel = MakeLabel("Time", w / 2.0f, h - 52.0f, 0.48f, 0.72f, {0, 250, 0}, 0.7f);
    timeStatLabel =
        MakeLabel("", w / 2.0f - 180.0f, h - 50.0f, 0.44f, 0.66f, {255, 255, 255}, 0.7f);
    timeStatLabel->alignment = TLabel::ALIGN_CENTRE_HORIZ;
    timeStatLabel->SetFormatMode(TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 2);
}

int THUD::Draw() {
    DrawBars();
    healthLabel->Draw();
    goalLabel->Draw();
    livesLabel->Draw();
    killsLabel->Draw();
    scoreLabel->Draw();
    DrawHealthBar();
    DrawPickupBar();
    DrawTimerBar();
    return 0;
}

int THUD::DrawBars() {
    auto width = static_cast<float>(renderer->screenWidth);
    auto height = static_cast<float>(renderer->screenHeight);
    SetColor(0, 0, 0);
    SetAlpha(BAR_ALPHA);
    DrawRect(0.0f, 0.0f, width, TOP_BAR_HEIGHT);
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    SetColor(0, 0, 0);
    SetAlpha(BAR_ALPHA);
    DrawRect(0.0f, height - BOTTOM_BAR_HEIGHT, width, BOTTOM_BAR_HEIGHT);
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    return 0;
}

int THUD::DrawHealthBar() {
    const int width = 210;
    int x = (level->width - width) / 2 + 90;
    DrawBar(x, 5, width, player->health / static_cast<float>(player->healthMax), {250, 100, 100});
    healthLabel->x = static_cast<float>(x - 120);
    return 0;
}

int THUD::DrawPickupBar() {
    const int width = 200;
    int x = (level->width - width) / 2 + 380;
    float fraction =
        static_cast<float>(profile->collected) / static_cast<float>(profile->maxPickups);
    DrawBar(x, level->height - 45, width, fraction, {0, 250, 250});
    goalLabel->x = static_cast<float>(x - 160);
    goalLabel->y = goalStatLabel->y - 1.0f;
    goalStatLabel->x = static_cast<float>(x + 100);
    goalStatLabel->Draw();
    return 0;
}

int THUD::DrawTimerBar() {
    const int width = 400;
    int x = (level->width - width) / 2 - 180;
    float fraction = level->timeLeft / static_cast<float>(level->timeLimit);
    DrawBar(x, level->height - 45, width, fraction, {0, 250, 0});
    UpdateTime();
    timeStatLabel->Draw();
    timeLabel->x = static_cast<float>(x - 110);
    timeLabel->y = timeStatLabel->y - 1.0f;
    timeLabel->Draw();
    return 0;
}

int THUD::UpdateGoal() {
    goalStatLabel->SetText(std::to_string(profile->collected) + "/" +
                           std::to_string(profile->maxPickups));
    return 0;
}

int THUD::UpdateKills() {
    killsLabel->UpdateStat(std::to_string(player->kills) + "/" + std::to_string(player->goal));
    return 0;
}

int THUD::UpdateLives() {
    livesLabel->UpdateStat(std::to_string(profile->lives));
    return 0;
}

int THUD::UpdateScore() {
    scoreLabel->UpdateStat(std::to_string(profile->score));
    return 0;
}

int THUD::UpdateTime() {
    auto seconds = static_cast<int>(std::ceil(level->timeLeft / game->frameRate));
    if (seconds <= LAST_SECONDS && seconds != lastSeconds) {
        game->PlayGameSound(player->soundBlip, player->channelBlip, 1.0f, 1.0f);
        lastSeconds = seconds;
    }
    // The time turns red for the last ten seconds; the colour object is only
    // replaced when it changes, not on every frame.
    int green = seconds <= LAST_SECONDS ? 50 : 255;
    const auto& color = timeStatLabel->color;
    if (!color || color->R != 255 || color->G != green || color->B != green) {
        timeStatLabel->SetColor(255, green, green, 1.0f);
    }
    timeStatLabel->SetText(std::to_string(seconds));
    return 0;
}

int THUD::UpdateAll() {
    UpdateGoal();
    UpdateKills();
    UpdateLives();
    UpdateScore();
    UpdateTime();
    return 0;
}
