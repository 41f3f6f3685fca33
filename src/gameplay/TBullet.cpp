#include "gameplay/TBullet.h"

#include "core/Globals.h"
#include "gameplay/THazard.h"
#include "gameplay/TLevel.h"

std::shared_ptr<TBullet> TBullet::CreateBullet(int bulletType, int x, int y, float speedXValue,
                                               float speedYValue) {
    auto bullet = std::make_shared<TBullet>();
    bullet->SetImage(imageBank->Find("bullet" + std::to_string(bulletType)));
    bullet->SetHitBox(12, 0, 15, 80);
    bullet->x = static_cast<float>(x);
    bullet->y = static_cast<float>(y);
    bullet->speedX = speedXValue;
    bullet->speedY = speedYValue;
    return bullet;
}

int TBullet::Collision() {
    for (const auto& object : *level->hazardList) {
        auto* hazard = AsPtr<THazard>(object);
        if (hazard && hazard->CollideSprite(*this)) {
            auto self = shared_from_this();
            hazard->Damage(power);
            level->bulletList->Remove(self);
            break;
        }
    }
    return 0;
}
