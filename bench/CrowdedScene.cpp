#include "CrowdedScene.h"

#include <filesystem>

#include "core/Globals.h"
#include "gameplay/TAlienBullet.h"
#include "gameplay/TBullet.h"
#include "gameplay/THazard.h"
#include "gameplay/TLevel.h"
#include "gameplay/TPlayer.h"
#include "gameplay/TProfile.h"
#include "gameplay/TSpawn.h"
#include "platform/Images.h"
#include "platform/Random.h"
#include "platform/Strings.h"
#include "platform/THeadlessBackend.h"
#include "platform/TPlatform.h"
#include "screens/TGameScreen.h"
#include "screens/THUD.h"

namespace {

// Aliens hang still in a grid on the left; the ship's side fires up the
// right-hand side, so no shot of either side ever hits and the scene holds.
constexpr int ALIEN_COLUMNS = 8;
constexpr float ALIEN_LEFT = 60.0f;
constexpr float ALIEN_TOP = 100.0f;
constexpr float ALIEN_PITCH_X = 80.0f;
constexpr float ALIEN_PITCH_Y = 60.0f;
constexpr float SHIP_SHOT_SPEED = -4.0f;
constexpr float GROUND_ROW = 618.0f;

void Stock(const std::string& name, int width, int height, int cells, int mid) {
    auto image = TGameImage::CreateFromImage(CreateImage(width, height, cells), Upper(name), mid);
    imageBank->Insert(Upper(name), image);
}

void StockImageBank() {
    Stock("logo", 824, 323, 16, 0);
    Stock("player", 140, 123, 8, 1);
    Stock("playerwhite", 140, 123, 1, 1);
    Stock("background", 1024, 768, 1, 0);
    Stock("pickup", 40, 40, 1, 1);
    Stock("bullet1", 40, 80, 1, 1);
    Stock("bullet2", 40, 80, 1, 1);
    Stock("Alien1", 100, 100, 20, 1);
    Stock("Alien1White", 100, 100, 20, 1);
    Stock("Alien2", 168, 100, 20, 1);
    Stock("Alien2White", 168, 100, 20, 1);
    Stock("AlienBullet", 24, 24, 1, 1);
    Stock("AlienBullet2", 32, 44, 1, 1);
    Stock("turret", 80, 72, 1, 1);
    Stock("TurretWhite", 80, 72, 1, 1);
    Stock("win", 320, 360, 1, 1);
    Stock("explosion", 128, 128, 1, 1);
    Stock("particlering", 128, 128, 1, 1);
    Stock("particlering2", 128, 128, 1, 1);
    Stock("particle1", 16, 16, 1, 1);
    Stock("particle2", 14, 14, 1, 1);
}

template <class List> void TrimTo(List& list, int count) {
    while (list.Count() > count) {
        list.Remove(list.Last());
    }
}

// One piece of an explosion: a ring, a growing fireball or spinning debris.
void AddParticle(int index) {
    const int x = Rand(0, 1023);
    const int y = Rand(0, 700);
    const float fade = -static_cast<float>(Rnd(0.002, 0.01));
    const float spin = static_cast<float>(Rnd(-5.0, 5.0));
    auto& particles = *TGameScreen::particleList;
    switch (index % 15) {
    case 0: {
        auto ring = particles.AddNew(imageBank->Find("particlering"), x, y, "", nullptr);
        ring->SetParams(fade, 0.0f, 0.01f, 0.01f, 0.0f, 0.0f);
        break;
    }
    case 1:
    case 2:
    case 3:
    case 4: {
        auto fireball = particles.AddNew(imageBank->Find("explosion"), x, y, "", nullptr);
        fireball->SetScaleParams(0.3f, 0.3f);
        fireball->SetParams(fade, spin, 0.005f, 0.005f, 0.0f, 0.0f);
        break;
    }
    default: {
        auto piece = particles.AddNew(imageBank->Find(index % 2 ? "particle1" : "particle2"), x, y,
                                      "", nullptr);
        const auto scale = static_cast<float>(Rnd(0.8, 1.5));
        piece->SetScaleParams(scale, scale);
        piece->SetParams(fade, spin, 0.0f, 0.0f, static_cast<float>(Rnd(-1.0, 1.0)),
                         static_cast<float>(Rnd(-1.5, 0.5)));
        piece->gravity = 0.01f;
        break;
    }
    }
}

} // namespace

void CrowdedScene::StartHeadlessGame(const std::string& dataDir) {
    auto& backend = TPlatform::Instance().UseHeadless();
    backend.clearOpsOnPresent = true;
    game = TGame::Create();
    game->InitFixedRateLogic(200);
    game->useRemainderDelta = 1;
    const auto sounds = dataDir + "/Data/Sound/";
    if (std::filesystem::exists(sounds)) {
        game->soundPath = sounds;
    }
    renderer = std::make_shared<TRenderer>();
    imageBank = TImageBank::Create("Data/Images/");
    StockImageBank();
    delta = 1.0f;
    SeedRnd(20);
}

void CrowdedScene::EndGame() {
    profile.reset();
    level.reset();
    player.reset();
    HUD.reset();
    gameScreen.reset();
    TGameScreen::particleList.reset();
    mainFont.reset();
    imageBank.reset();
    renderer.reset();
    game.reset();
}

void CrowdedScene::StartLevel() {
    profile = TProfile::Create();
    profile->level = LEVEL;
    level = TLevel::Create();
    level->Init();
    player = TPlayer::CreatePlayer();
    HUD = THUD::Create();
    TGameScreen::particleList = TParticleList::Create();
}

void CrowdedScene::TopUp() {
    TrimAndFillAliens();
    TrimAndFillBullets();
    TrimAndFillAlienBullets();
    TrimAndFillSpawns();
    FillParticles();
    KeepShipPlaying();
}

void CrowdedScene::TrimAndFillAliens() {
    // Aliens that flew in from the sides go again at once.
    TrimTo(*level->hazardList, ALIENS);
    while (level->hazardList->Count() < ALIENS) {
        const int slot = nextAlien_++ % ALIENS;
        const float x = ALIEN_LEFT + static_cast<float>(slot % ALIEN_COLUMNS) * ALIEN_PITCH_X;
        const float y = ALIEN_TOP + static_cast<float>(slot / ALIEN_COLUMNS) * ALIEN_PITCH_Y;
        // One alien in five is the armoured kind, as in play.
        auto alien = THazard::CreateHazardOfType(static_cast<int>(x), static_cast<int>(y),
                                                 slot % 5 == 0 ? 2 : 1);
        alien->speedX = 0.0f;
        level->hazardList->AddLast(alien);
    }
}

void CrowdedScene::TrimAndFillBullets() {
    TrimTo(*level->bulletList, BULLETS);
    while (level->bulletList->Count() < BULLETS) {
        level->bulletList->AddLast(
            TBullet::CreateBullet(2, Rand(720, 1000), Rand(0, 560), 0.0f, SHIP_SHOT_SPEED));
    }
}

void CrowdedScene::TrimAndFillAlienBullets() {
    // Shots fall on the left, well away from the ship in the middle and the
    // turrets on the right; aimed shots just fired are taken away again.
    TrimTo(*level->alienBulletList, ALIEN_BULLETS);
    while (level->alienBulletList->Count() < ALIEN_BULLETS) {
        const bool bomb = Rand(1, 5) == 1;
        auto shot =
            TAlienBullet::CreateAlienBullet(bomb ? "AlienBullet2" : "AlienBullet", Rand(30, 400),
                                            Rand(420, 640), 0.0f, bomb ? 1.0f : 2.0f);
        shot->power = bomb ? 4.0f : 1.0f;
        level->alienBulletList->AddLast(shot);
    }
}

void CrowdedScene::TrimAndFillSpawns() {
    TrimTo(*level->spawnList, SPAWNS);
    while (level->spawnList->Count() < SPAWNS) {
        const int slot = nextSpawn_++ % SPAWNS;
        level->spawnList->AddLast(
            TSpawn::CreateSpawn(680 + slot * 34, static_cast<int>(GROUND_ROW)));
    }
}

void CrowdedScene::FillParticles() {
    auto& particles = *TGameScreen::particleList;
    TrimTo(particles, PARTICLES);
    for (int i = particles.Count(); i < PARTICLES; ++i) {
        AddParticle(i);
    }
}

void CrowdedScene::KeepShipPlaying() {
    player->health = static_cast<float>(player->healthMax);
    player->kills = 0;
    level->timeLeft = static_cast<float>(level->timeLimit);
}

void CrowdedScene::Step() {
    level->Logic();
    player->Logic();
    TGameScreen::particleList->Logic();
}

void CrowdedScene::Draw() {
    level->Draw();
    player->Draw();
    TGameScreen::particleList->Draw();
    HUD->Draw();
}
