#include "gameplay/TPlayer.h"

#include <algorithm>
#include <cmath>

#include "core/Globals.h"
#include "gameplay/TAlienBullet.h"
#include "gameplay/TBullet.h"
#include "gameplay/TEffects.h"
#include "gameplay/THazard.h"
#include "gameplay/TLevel.h"
#include "gameplay/TPickup.h"
#include "gameplay/TProfile.h"
#include "gameplay/TSpawn.h"
#include "platform/Input.h"
#include "screens/TGameOverScreen.h"
#include "screens/TGameScreen.h"
#include "screens/THUD.h"
#include "screens/TLevelCompleteScreen.h"

namespace {
constexpr int KEY_Z = 90;
constexpr int KEY_X = 88;
constexpr int HUD_BAR_HEIGHT = 50;
constexpr float ROW_ABOVE_BOTTOM = 150.0f;
constexpr float MESSAGE_Y = 300.0f;
constexpr float ANNOUNCEMENT_Y = 150.0f;

void Play(const TSoundPtr& sound, TChannelPtr& channel) {
    game->PlayGameSound(sound, channel, 1.0f, 1.0f);
}
} // namespace

std::shared_ptr<TPlayer> TPlayer::CreatePlayer() {
    auto ship = std::make_shared<TPlayer>();
    ship->SetImage(imageBank->Find("player"));
    ship->SetFlashImage(imageBank->Find("playerwhite"));
    ship->speedXMax = STARTING_SPEED_MAX;
    ship->frictionX = 0.1f;
    ship->frictionXClamp = 0.2f;
    ship->SetScaleParams(1.0f, 1.0f);
    ship->LoadSounds();
    ship->goal = level->GetGoal();
    ship->ResetVariables();
    return ship;
}

void TPlayer::LoadSounds() {
    soundBlip = game->LoadGameSound("blip.wav", 0);
    soundExplosion = game->LoadGameSound("dead.wav", 0);
    soundFire = game->LoadGameSound("fire.wav", 0);
    soundHit = game->LoadGameSound("hit.wav", 0);
    soundStart = game->LoadGameSound("start.wav", 0);
    soundPickup = game->LoadGameSound("pickup.wav", 0);
    soundPickup2 = game->LoadGameSound("pickup2.wav", 0);
    soundSuccess = game->LoadGameSound("success.wav", 0);
    soundSpawn = game->LoadGameSound("spawn.wav", 0);
}

int TPlayer::ResetVariables() {
    ResetVariablesOnDeath();
    kills = 0;
    return 0;
}

int TPlayer::ResetVariablesOnDeath() {
    x = static_cast<float>(level->width / 2);
    y = static_cast<float>(level->height) - ROW_ABOVE_BOTTOM;
    speedX = 0.0f;
    speedY = 0.0f;
    health = static_cast<float>(healthMax);
    return 0;
}

int TPlayer::Logic() {
    TSprite::Logic();
    if (deathAnimCounter == 0 && successAnimCounter == 0) {
        if (fireCounter > 0.0f) {
            fireCounter -= delta;
            if (fireCounter < 0.0f) {
                fireCounter = 0.0f;
            }
        }
        CheckKeys();
        Move();
        if (keyPressed == 0) {
            ApplyFriction();
        }
        BoundsCheckPlayer();
        Collision();
        GoalTest();
    }
    DeathAnimManage();
    SuccessAnimManage();
    return 0;
}

int TPlayer::CheckKeys() {
    keyPressed = 0;
    Steer();
    if (KeyDown(KEY_Z) && fireCounter == 0.0f) {
        Fire();
    }
    if (KeyDown(KEY_X)) {
        if (profile->collected > 0 && spawnKeyDown == 0) {
            LaunchSpawn();
        }
        spawnKeyDown = 1;
    } else {
        spawnKeyDown = 0;
    }
    return 0;
}

void TPlayer::Steer() {
    auto frames = static_cast<float>(maxAnimFrames);
    bool left = KeyDown(Key::LEFT);
    bool right = KeyDown(Key::RIGHT);
    if (left) {
        speedX -= speed;
        if (speedX < -speedXMax) {
            speedX = -speedXMax;
        }
        keyPressed = 1;
        animFrame += animSpeed * delta;
        if (animFrame >= frames) {
            animFrame -= frames;
        }
    }
    if (right) {
        speedX += speed;
        if (speedX > speedXMax) {
            speedX = speedXMax;
        }
        keyPressed = 1;
        animFrame -= animSpeed * delta;
        if (animFrame < 0.0f) {
            animFrame += frames;
        }
    }
    if (!left && !right) {
        animFrame = 0.0f;
    }
}

void TPlayer::Fire() {
    Play(soundFire, channelFire);
    auto bullet = TBullet::CreateBullet(2, static_cast<int>(x + 2.0f), static_cast<int>(y - 30.0f),
                                        0.0f, -bulletSpeed);
    level->bulletList->AddLast(bullet);
    fireCounter = static_cast<float>(fireCounterMax);
}

void TPlayer::LaunchSpawn() {
    --profile->collected;
    if (HUD) {
        HUD->UpdateGoal();
    }
    game->PlayGameSound2(soundSpawn, nullptr, 1.0f, 1.0f);
    level->spawnList->AddLast(
        TSpawn::CreateSpawn(static_cast<int>(x), static_cast<int>(y + 25.0f)));
}

int TPlayer::BoundsCheckPlayer() {
    auto halfWidth = static_cast<float>(w2);
    auto top = static_cast<float>(h2 + HUD_BAR_HEIGHT);
    auto right = static_cast<float>(renderer->screenWidth - w2);
    auto bottom = static_cast<float>(renderer->screenHeight - h2 - HUD_BAR_HEIGHT);
    if (x < halfWidth) {
        x = halfWidth;
    } else if (x > right) {
        x = right;
    }
    if (y < top) {
        y = top;
    } else if (y > bottom) {
        y = bottom;
    }
    return 0;
}

int TPlayer::Collision() {
    for (const auto& object : *level->pickupList) {
        auto* pickup = AsPtr<TPickup>(object);
        if (pickup && pickup->CollideSprite(*this)) {
            auto collected = As<TPickup>(object);
            level->pickupList->Remove(object);
            CollectPickup(collected);
        }
    }
    return 0;
}

int TPlayer::CollectPickup(const std::shared_ptr<TPickup>& pickup) {
    profile->score += TPickup::SCORE;
    if (HUD) {
        HUD->UpdateScore();
    }
    profile->collected = std::min(profile->collected + 1, profile->maxPickups);
    if (HUD) {
        HUD->UpdateGoal();
    }
    Play(soundPickup2, channelPickup2);
    Play(soundPickup, channelPickup);
    int px = static_cast<int>(pickup->x);
    int py = static_cast<int>(pickup->y);
    auto ring =
        TGameScreen::particleList->AddNew(imageBank->Find("particlering2"), px, py, "", nullptr);
    ring->SetParams(-0.02f, 0.0f, 0.05f, 0.05f, 0.0f, 0.0f);
    TEffects::FloatingMessage(std::to_string(TPickup::SCORE), px, py,
                              TEffects::PICKUP_SCORE_MESSAGE);
    return 0;
}

int TPlayer::SetSmallHitBox() {
    SetHitBox(36, 23, 67, 36);
    return 0;
}

int TPlayer::Damage(float amount) {
    health -= amount;
    StartHitFlash();
    level->triggerPlayerHit = 1;
    if (health <= 0.0f) {
        health = 0.0f;
        TEffects::FloatingMessage("You died!", level->width / 2, static_cast<int>(MESSAGE_Y),
                                  TEffects::BAD_NEWS_MESSAGE);
        DeathAnimStart(0);
    }
    return 0;
}

int TPlayer::TimeUp() {
    TEffects::FloatingMessage("Time Up!", level->width / 2, static_cast<int>(MESSAGE_Y),
                              TEffects::BAD_NEWS_MESSAGE);
    DeathAnimStart(0);
    return 0;
}

int TPlayer::DeathAnimStart(int duration) {
    profile->UpdateLives(-1);
    ExplodeAlienBullets();
    TEffects::Explode(x, y, TEffects::ShipExplosion());
    deathAnimCounter = duration != 0 ? duration : deathAnimCounterMax;
    ResetVariablesOnDeath();
    if (HUD) {
        HUD->UpdateLives();
    }
    Play(soundExplosion, channelExplosion);
    return 0;
}

int TPlayer::ExplodeAlienBullets() {
    for (const auto& object : *level->alienBulletList) {
        if (auto* bullet = AsPtr<TAlienBullet>(object)) {
            bullet->Explode();
        }
        level->alienBulletList->Remove(object);
    }
    return 0;
}

int TPlayer::DeathAnimManage() {
    if (deathAnimCounter > 0) {
        --deathAnimCounter;
        if (deathAnimCounter == 0) {
            DeathAnimEnd();
            return 1;
        }
    }
    return 0;
}

int TPlayer::DeathAnimEnd() {
    renderer->ResetScale();
    renderer->ResetScrolling();
    if (profile->lives <= 0) {
        game->ChangeScreen(TGameOverScreen::Create());
        return 1;
    }
    LevelStart();
    return 0;
}

int TPlayer::LevelStart() {
    Play(soundStart, channelStart);
    TEffects::FloatingMessage("Kill " + std::to_string(goal) + " Aliens", level->width / 2,
                              static_cast<int>(ANNOUNCEMENT_Y), TEffects::LEVEL_START_MESSAGE);
    FlushKeys();
    return 0;
}

int TPlayer::GoalTest() {
    if (kills >= goal) {
        SuccessAnimStart();
        return 1;
    }
    return 0;
}

int TPlayer::SuccessAnimStart() {
    for (const auto& object : *level->hazardList) {
        if (auto* hazard = AsPtr<THazard>(object)) {
            hazard->Explode(0);
        }
        level->hazardList->Remove(object);
    }
    ExplodeAlienBullets();
    TEffects::FloatingMessage("AWESOME!", level->width / 2, static_cast<int>(MESSAGE_Y),
                              TEffects::SUCCESS_MESSAGE);
    successAnimCounter = successAnimCounterMax;
    Play(soundSuccess, channelSuccess);
    return 0;
}

int TPlayer::SuccessAnimManage() {
    if (successAnimCounter > 0) {
        --successAnimCounter;
        if (successAnimCounter == 0) {
            SuccessAnimEnd();
            return 1;
        }
    }
    return 0;
}

int TPlayer::SuccessAnimEnd() {
    renderer->ResetScale();
    renderer->ResetScrolling();
    game->ChangeScreen(TLevelCompleteScreen::Create());
    return 0;
}

void TPlayer::Draw() {
    if (deathAnimCounter != 0) {
        return;
    }
    currentFrame = static_cast<int>(std::floor(animFrame));
    if (currentFrame < 0) {
        currentFrame = 0;
    } else if (currentFrame > maxAnimFrames - 1) {
        currentFrame = maxAnimFrames - 1;
    }
    TSprite::Draw();
}
