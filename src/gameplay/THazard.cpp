#include "gameplay/THazard.h"

#include <algorithm>

#include "core/Globals.h"
#include "gameplay/TAlienBullet.h"
#include "gameplay/TEffects.h"
#include "gameplay/TLevel.h"
#include "gameplay/TPickup.h"
#include "gameplay/TPlayer.h"
#include "gameplay/TProfile.h"
#include "platform/MathDegrees.h"
#include "platform/Random.h"
#include "screens/THUD.h"

namespace {
constexpr int ANIM_DURATION_MS = 1000;
// The ship is aimed at this far above its centre.
constexpr float AIM_ABOVE_SHIP = 15.0f;
} // namespace

std::shared_ptr<THazard> THazard::CreateHazard(int x, int y) {
    // One alien in five is the armoured kind.
    return CreateHazardOfType(x, y, Rand(1, 5) == 1 ? 2 : 1);
}

std::shared_ptr<THazard> THazard::CreateHazardOfType(int x, int y, int type) {
    auto hazard = std::make_shared<THazard>();
    hazard->SetType(type);
    auto name = "Alien" + std::to_string(hazard->alienType);
    hazard->SetImage(imageBank->Find(name));
    hazard->SetFlashImage(imageBank->Find(name + "White"));
    if (hazard->alienType == 1) {
        hazard->SetHitBox(0, 0, 100, 70);
    }
    hazard->x = static_cast<float>(x);
    hazard->y = static_cast<float>(y);
    hazard->InitAnim(animFrames, ANIM_DURATION_MS, 1, 1);
    return hazard;
}

void THazard::SetType(int type) {
    int levelNumber = profile->level;
    alienType = type;
    fireChance = 0.03f * static_cast<float>(levelNumber);
    if (type == 2) {
        speedXMax = 1.0f;
        score = 50;
        health = 6.0f;
        pickupChance = 100;
        bulletSpeed = 1.0f;
        accuracyRange = 0;
        power = 4.0f;
    } else {
        speedXMax = 3.0f;
        score = 10;
        health = 2.0f;
        pickupChance = 20;
        bulletSpeed = 2.0f;
        accuracyRange = std::max(0, 200 - 10 * levelNumber);
        power = 1.0f;
    }
}

int THazard::Shoot() {
    if (player->deathAnimCounter > 0) {
        return 0;
    }
    if (Rnd(0.0, 100.0) >= fireChance * delta) {
        return 1;
    }
    std::shared_ptr<TAlienBullet> bullet;
    if (alienType == 1) {
        bullet = TAlienBullet::CreateAlienBullet("AlienBullet", static_cast<int>(x),
                                                 static_cast<int>(y + 50.0f), 0.0f, 0.0f);
        float dx = bullet->x - player->x;
        dx += static_cast<float>(Rand(-accuracyRange, accuracyRange));
        float dy = bullet->y - (player->y - AIM_ABOVE_SHIP);
        dy += static_cast<float>(Rand(-accuracyRange, accuracyRange));
        double angle = ATan2(dx, dy);
        bullet->speedX = static_cast<float>(0.0 - Sin(angle) * bulletSpeed);
        bullet->speedY = static_cast<float>(0.0 - Cos(angle) * bulletSpeed);
        level->triggerAlienShoot1 = 1;
    } else {
        bullet = TAlienBullet::CreateAlienBullet("AlienBullet2", static_cast<int>(x),
                                                 static_cast<int>(y + 65.0f), 0.0f, bulletSpeed);
        level->triggerAlienShoot2 = 1;
    }
    bullet->power = power;
    level->alienBulletList->AddLast(bullet);
    return 1;
}

int THazard::Damage(float amount) {
    health -= amount;
    level->triggerAlienHit = 1;
    StartHitFlash();
    if (health <= 0.0f) {
        Explode(1);
    }
    return 0;
}

int THazard::Explode(int reward) {
    level->triggerAlienExplosion = 1;
    // Keep this alien alive until its burst and reward are done.
    auto self = std::static_pointer_cast<THazard>(shared_from_this());
    level->hazardList->Remove(self);
    TEffects::Explode(x, y, TEffects::AlienExplosion(alienType));
    if (reward) {
        Reward();
    }
    return 0;
}

void THazard::Reward() {
    ++player->kills;
    if (HUD) {
        HUD->UpdateKills();
    }
    profile->score += score;
    if (HUD) {
        HUD->UpdateScore();
    }
    TEffects::FloatingMessage(std::to_string(score), static_cast<int>(x), static_cast<int>(y),
                              TEffects::ALIEN_SCORE_MESSAGE);
    if (Rand(0, 100) < pickupChance) {
        level->pickupList->AddLast(TPickup::CreatePickup(static_cast<int>(x), static_cast<int>(y)));
    }
}
