#include "gameplay/TEffects.h"

#include "core/Globals.h"
#include "platform/Random.h"
#include "screens/TGameScreen.h"

namespace {
constexpr int FIREBALLS = 8;
constexpr int SPREAD = 50;
constexpr float FIREBALL_START_SCALE = 0.3f;
constexpr float DEBRIS_GRAVITY = 0.01f;
constexpr float MESSAGE_START_ALPHA = 2.0f;

// A position up to SPREAD pixels from the centre on each axis.
void RandomAround(float x, float y, int& px, int& py) {
    px = Rand(static_cast<int>(x - SPREAD), static_cast<int>(x + SPREAD));
    py = Rand(static_cast<int>(y - SPREAD), static_cast<int>(y + SPREAD));
}

float RandomSpin() {
    return static_cast<float>(Rand(5, 15));
}

void AddRing(float x, float y, const TExplosionRecipe& recipe) {
    auto ring = TGameScreen::particleList->AddNew(
        imageBank->Find("particlering"), static_cast<int>(x), static_cast<int>(y), "", nullptr);
    ring->SetParams(recipe.ringFade, 0.0f, recipe.ringGrowth, recipe.ringGrowth, 0.0f, 0.0f);
}

void AddFireballs(float x, float y, const TExplosionRecipe& recipe) {
    auto image = imageBank->Find("explosion");
    for (int i = 0; i < FIREBALLS; ++i) {
        int px = 0, py = 0;
        RandomAround(x, y, px, py);
        auto fireball = TGameScreen::particleList->AddNew(image, px, py, "", nullptr);
        fireball->SetScaleParams(FIREBALL_START_SCALE, FIREBALL_START_SCALE);
        float growth = static_cast<float>(Rnd(recipe.fireballGrowthMin, recipe.fireballGrowthMax) *
                                          recipe.size);
        float spin = RandomSpin();
        fireball->SetParams(recipe.fireballFade, spin, growth, growth, 0.0f, 0.0f);
    }
}

void AddDebris(float x, float y, const TExplosionRecipe& recipe) {
    auto ember = imageBank->Find("particle1");
    auto shard = imageBank->Find("particle2");
    for (int i = 0; i < recipe.debrisCount; ++i) {
        // Two pieces in three are embers.
        auto image = Rand(1, 3) <= 2 ? ember : shard;
        int px = 0, py = 0;
        RandomAround(x, y, px, py);
        auto piece = TGameScreen::particleList->AddNew(image, px, py, "", nullptr);
        auto scale = static_cast<float>(Rnd(0.8, 1.5));
        piece->SetScaleParams(scale, scale);
        float spin = RandomSpin();
        auto vx =
            static_cast<float>(Rnd(recipe.debrisSpeedXMin, recipe.debrisSpeedXMax) * recipe.size);
        auto vy =
            static_cast<float>(Rnd(recipe.debrisSpeedYMin, recipe.debrisSpeedYMax) * recipe.size);
        piece->SetParams(recipe.debrisFade, spin, 0.0f, 0.0f, vx, vy);
        piece->gravity = DEBRIS_GRAVITY;
    }
}

} // namespace

TExplosionRecipe TEffects::ShipExplosion() {
    return {0.035f, -0.01f, 0.03f, 0.06f, -0.01f, 50, -0.0075f, -2.0f, 2.0f, -2.0f, 1.0f, 1.0f};
}

TExplosionRecipe TEffects::AlienExplosion(int alienType) {
    auto k = static_cast<float>(alienType);
    return {0.02f * k, -0.02f, 0.02f, 0.04f, -0.02f, static_cast<int>(20.0f * k),
            -0.015f,   -1.0f,  1.0f,  -1.0f, 1.0f,   k};
}

TExplosionRecipe TEffects::SpawnExplosion() {
    const float k = 0.8f;
    return {0.02f * k, -0.02f, 0.02f, 0.04f, -0.02f, 16, -0.015f, -1.0f, 1.0f, -1.0f, 1.0f, k};
}

const TMessageRecipe TEffects::LEVEL_START_MESSAGE = {-0.01f, 0.001f, 0.0f, 1.0f, 1.5f, 255,
                                                      190,    255,    3.0f, 3.0f, 0.5f};
const TMessageRecipe TEffects::BAD_NEWS_MESSAGE = {-0.01f, 0.005f, -0.3f, 1.0f, 1.5f, 255,
                                                   0,      0,      3.0f,  3.0f, 0.5f};
const TMessageRecipe TEffects::SUCCESS_MESSAGE = {-0.01f, 0.005f, -0.3f, 1.2f, 1.5f, 150,
                                                  255,    255,    3.0f,  3.0f, 0.5f};
const TMessageRecipe TEffects::PICKUP_SCORE_MESSAGE = {-0.02f, 0.005f, -0.5f, 0.2f, 0.3f, 180,
                                                       255,    255,    2.0f,  2.0f, 0.5f};
const TMessageRecipe TEffects::ALIEN_SCORE_MESSAGE = {-0.02f, 0.003f, -0.5f, 0.2f, 0.3f, 255,
                                                      255,    255,    2.0f,  2.0f, 0.5f};

void TEffects::Explode(float x, float y, const TExplosionRecipe& recipe) {
    AddRing(x, y, recipe);
    AddFireballs(x, y, recipe);
    AddDebris(x, y, recipe);
}

void TEffects::FloatingMessage(const std::string& text, int x, int y,
                               const TMessageRecipe& recipe) {
    auto message = TGameScreen::particleList->AddNew(nullptr, x, y, text, mainFont);
    message->SetParams(recipe.fade, 0.0f, recipe.growth, recipe.growth, 0.0f, recipe.rise);
    message->SetScaleParams(recipe.scaleX, recipe.scaleY);
    message->alpha = MESSAGE_START_ALPHA;
    message->color = TColor::Create(recipe.r, recipe.g, recipe.b, 1.0f);
    message->shadow = TShadow::Create(recipe.shadowX, recipe.shadowY, recipe.shadowAlpha);
    message->useRendererCamera = 0;
}
