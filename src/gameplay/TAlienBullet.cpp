#include "gameplay/TAlienBullet.h"

#include "core/Globals.h"
#include "gameplay/TLevel.h"
#include "gameplay/TPlayer.h"
#include "gameplay/TSpawn.h"
#include "platform/Random.h"
#include "screens/TGameScreen.h"

namespace {
constexpr int DEBRIS = 3;
}

std::shared_ptr<TAlienBullet> TAlienBullet::CreateAlienBullet(const std::string& imageName, int x,
                                                              int y, float speedXValue,
                                                              float speedYValue) {
    auto bullet = std::make_shared<TAlienBullet>();
    bullet->SetImage(imageBank->Find(imageName));
    bullet->x = static_cast<float>(x);
    bullet->y = static_cast<float>(y);
    bullet->speedX = speedXValue;
    bullet->speedY = speedYValue;
    return bullet;
}

int TAlienBullet::Collision() {
    auto self = shared_from_this();
    if (player->CollideSprite(*this)) {
        level->alienBulletList->Remove(self);
        player->Damage(power);
    }
    for (const auto& object : *level->spawnList) {
        auto* spawn = AsPtr<TSpawn>(object);
        if (spawn && spawn->CollideSprite(*this)) {
            spawn->Damage(power);
            level->alienBulletList->Remove(self);
            break;
        }
    }
    return 0;
}

int TAlienBullet::Explode() {
    auto image = imageBank->Find("particle1");
    for (int i = 0; i < DEBRIS; ++i) {
        auto piece = TGameScreen::particleList->AddNew(image, static_cast<int>(x),
                                                       static_cast<int>(y), "", nullptr);
        auto scale = static_cast<float>(Rnd(0.8, 1.5));
        piece->SetScaleParams(scale, scale);
        auto spin = static_cast<float>(Rand(5, 15));
        auto vx = static_cast<float>(Rnd(-0.3, 0.3));
        auto vy = static_cast<float>(Rnd(-0.3, 0.3));
        piece->SetParams(-0.015f, spin, 0.0f, 0.0f, vx, vy);
        piece->gravity = 0.01f;
    }
    return 0;
}
