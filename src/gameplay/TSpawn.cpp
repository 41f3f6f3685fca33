#include "gameplay/TSpawn.h"

#include "core/Globals.h"
#include "gameplay/TBullet.h"
#include "gameplay/TEffects.h"
#include "gameplay/TLevel.h"

namespace {
constexpr float SHOT_SPEED = -2.0f;
constexpr float MUZZLE_ABOVE = 40.0f;
} // namespace

std::shared_ptr<TSpawn> TSpawn::CreateSpawn(int x, int y) {
    auto spawn = std::make_shared<TSpawn>();
    spawn->SetImage(imageBank->Find("turret"));
    spawn->SetFlashImage(imageBank->Find("turretwhite"));
    spawn->SetHitBox(2, 19, 75, 52);
    spawn->x = static_cast<float>(x);
    spawn->y = static_cast<float>(y);
    spawn->shootCounter = static_cast<float>(spawn->shootCounterMax);
    return spawn;
}

int TSpawn::Logic() {
    TSprite::Logic();
    if (shootCounter > 0.0f) {
        shootCounter -= delta;
        if (shootCounter <= 0.0f) {
            level->triggerSpawnShoot = 1;
            shootCounter = static_cast<float>(shootCounterMax);
            auto bullet = TBullet::CreateBullet(1, static_cast<int>(x),
                                                static_cast<int>(y - MUZZLE_ABOVE), 0.0f, 0.0f);
            bullet->speedY = SHOT_SPEED;
            level->bulletList->AddLast(bullet);
        }
    }
    return 0;
}

int TSpawn::Damage(float amount) {
    health -= amount;
    StartHitFlash();
    level->triggerPlayerHit = 1;
    if (health <= 0.0f) {
        health = 0.0f;
        auto self = shared_from_this();
        level->spawnList->Remove(self);
        Explode();
    }
    return 0;
}

int TSpawn::Explode() {
    level->triggerAlienExplosion = 1;
    TEffects::Explode(x, y, TEffects::SpawnExplosion());
    return 0;
}
