#include "gameplay/TLevel.h"

#include <algorithm>

#include "core/Globals.h"
#include "gameplay/TAlienBullet.h"
#include "gameplay/TBullet.h"
#include "gameplay/THazard.h"
#include "gameplay/TPickup.h"
#include "gameplay/TPlayer.h"
#include "gameplay/TProfile.h"
#include "gameplay/TSpawn.h"
#include "platform/Graphics.h"
#include "platform/Random.h"

namespace {
constexpr int MAX_GOAL = 60;
constexpr float SHORTEST_LIMIT_SECONDS = 20.0f;
constexpr float EXTRA_SECONDS = 10.0f;

void PlayIfSet(int trigger, const TSoundPtr& sound) {
    if (trigger) {
        game->PlayGameSound2(sound, nullptr, 1.0f, 1.0f);
    }
}

template <class T> void DrawAll(const TList& list) {
    for (const auto& object : list) {
        if (auto* sprite = AsPtr<T>(object)) {
            sprite->Draw();
        }
    }
}
} // namespace

std::shared_ptr<TLevel> TLevel::Create() {
    auto created = std::make_shared<TLevel>();
    created->timeLimit = static_cast<int>(60.0f * game->frameRate);
    return created;
}

int TLevel::Init() {
    soundAlienHit = game->LoadGameSound("AlienHit.wav", 0);
    soundAlienExplosion = game->LoadGameSound("AlienExplosion.wav", 0);
    soundAlienShoot1 = game->LoadGameSound("AlienShoot1.wav", 0);
    soundAlienShoot2 = game->LoadGameSound("AlienShoot2.wav", 0);
    soundPlayerHit = game->LoadGameSound("PlayerHit.wav", 0);
    soundSpawnShoot = game->LoadGameSound("SpawnShoot.wav", 0);
    InitTimeLimit();
    hazardList = TList::Create();
    pickupList = TList::Create();
    bulletList = TList::Create();
    alienBulletList = TList::Create();
    spawnList = TList::Create();
    return 0;
}

int TLevel::InitTimeLimit() {
    auto levelNumber = static_cast<float>(profile->level);
    timeLimit = static_cast<int>((62.0f - 2.0f * levelNumber) * game->frameRate);
    if (static_cast<float>(timeLimit) < SHORTEST_LIMIT_SECONDS * game->frameRate) {
        timeLimit = static_cast<int>(SHORTEST_LIMIT_SECONDS * game->frameRate);
    }
    timeLeft = static_cast<float>(timeLimit);
    return 0;
}

int TLevel::GetGoal() {
    int levelNumber = profile->level;
    alienChance = 0.5f + static_cast<float>(levelNumber) * 0.2f;
    return std::min(5 * levelNumber + 5, MAX_GOAL);
}

int TLevel::Logic() {
    ResetSoundTriggers();
    CountDown();
    ManageBullets();
    ManageAlienBullets();
    ManageHazards();
    ManagePickups();
    ManageSpawn();
    ProcessSoundTriggers();
    return 0;
}

void TLevel::CountDown() {
    // The clock stops while the ship is dying or celebrating.
    if (player->successAnimCounter != 0 || player->deathAnimCounter != 0 || timeLeft <= 0.0f) {
        return;
    }
    timeLeft -= 1.0f * delta;
    if (timeLeft <= 0.0f) {
        player->TimeUp();
        if (profile->lives > 0) {
            timeLeft = EXTRA_SECONDS * game->frameRate;
        }
    }
}

int TLevel::ManageBullets() {
    for (const auto& object : *bulletList) {
        if (auto* bullet = AsPtr<TBullet>(object)) {
            bullet->Move();
            if (bullet->y < -static_cast<float>(bullet->w2)) {
                bulletList->Remove(object);
            }
            bullet->Collision();
        }
    }
    return 0;
}

int TLevel::ManageAlienBullets() {
    player->SetSmallHitBox();
    for (const auto& object : *alienBulletList) {
        if (auto* bullet = AsPtr<TAlienBullet>(object)) {
            bullet->Move();
            if (bullet->y >= static_cast<float>(groundLevel)) {
                alienBulletList->Remove(object);
                bullet->Explode();
            }
            if (player->deathAnimCounter == 0) {
                bullet->Collision();
            }
        }
    }
    player->ClearHitBox();
    return 0;
}

int TLevel::ManageHazards() {
    if (player->successAnimCounter == 0 && Rnd(0.0, 100.0) <= alienChance * delta) {
        RandomizeHazard();
    }
    for (const auto& object : *hazardList) {
        if (auto* hazard = AsPtr<THazard>(object)) {
            hazard->Move();
            hazard->TSprite::Logic();
            bool goneRight = hazard->speedX > 0.0f &&
                             hazard->x > static_cast<float>(renderer->screenWidth + alienBuffer);
            bool goneLeft = hazard->speedX < 0.0f && hazard->x < static_cast<float>(-alienBuffer);
            if (goneRight || goneLeft) {
                hazardList->Remove(object);
            } else {
                hazard->Shoot();
            }
        }
    }
    return 0;
}

int TLevel::RandomizeHazard() {
    int x = -alienBuffer;
    if (Rand(0, 1) == 0) {
        x = renderer->screenWidth + alienBuffer;
    }
    int y = Rand(100, 400);
    auto hazard = THazard::CreateHazard(x, y);
    if (x < 0) {
        hazard->speedX = static_cast<float>(Rnd(0.2, hazard->speedXMax));
    } else {
        hazard->speedX = static_cast<float>(Rnd(-hazard->speedXMax, -0.2));
    }
    hazardList->AddLast(hazard);
    return 0;
}

int TLevel::ManagePickups() {
    for (const auto& object : *pickupList) {
        if (auto* pickup = AsPtr<TPickup>(object)) {
            pickup->Move();
            pickup->Logic();
        }
    }
    return 0;
}

int TLevel::ManageSpawn() {
    for (const auto& object : *spawnList) {
        if (auto* spawn = AsPtr<TSpawn>(object)) {
            spawn->Logic();
        }
    }
    return 0;
}

int TLevel::ProcessSoundTriggers() {
    PlayIfSet(triggerAlienHit, soundAlienHit);
    PlayIfSet(triggerAlienExplosion, soundAlienExplosion);
    PlayIfSet(triggerAlienShoot1, soundAlienShoot1);
    PlayIfSet(triggerAlienShoot2, soundAlienShoot2);
    PlayIfSet(triggerPlayerHit, soundPlayerHit);
    PlayIfSet(triggerSpawnShoot, soundSpawnShoot);
    return 0;
}

int TLevel::ResetSoundTriggers() {
    triggerAlienHit = 0;
    triggerAlienExplosion = 0;
    triggerAlienShoot1 = 0;
    triggerAlienShoot2 = 0;
    triggerPlayerHit = 0;
    triggerSpawnShoot = 0;
    return 0;
}

int TLevel::Draw() {
    DrawImage(imageBank->Find("background")->image, 0.0f, 0.0f, 0);
    DrawAll<THazard>(*hazardList);
    DrawAll<TSpawn>(*spawnList);
    DrawAll<TAlienBullet>(*alienBulletList);
    DrawAll<TBullet>(*bulletList);
    DrawAll<TPickup>(*pickupList);
    return 0;
}
