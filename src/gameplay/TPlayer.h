#pragma once

#include "platform/TChannel.h"
#include "platform/TSound.h"
#include "sprites/TSprite.h"

class TPickup;

// The player's ship: slides along its row, fires, launches turrets with
// collected pickups, collects pickups, takes damage, and runs the sequences
// that end a life or the level.
class TPlayer : public TSprite {
public:
    static constexpr float STARTING_SPEED_MAX = 2.0f;

    float animFrame = 0.0f;
    float animSpeed = 0.15f;
    int maxAnimFrames = 8;
    float bulletSpeed = 4.0f;
    float fireCounter = 0.0f;
    int fireCounterMax = 30;
    float health = 0.0f;
    int healthMax = 10;
    int keyPressed = 0;
    int spawnKeyDown = 0;
    float speed = 2.0f;
    int deathAnimCounter = 0;
    int deathAnimCounterMax = 320;
    int successAnimCounter = 0;
    int successAnimCounterMax = 250;
    TChannelPtr channelBlip;
    TSoundPtr soundBlip;
    TChannelPtr channelExplosion;
    TSoundPtr soundExplosion;
    TChannelPtr channelFire;
    TSoundPtr soundFire;
    TChannelPtr channelHit;
    TSoundPtr soundHit;
    TChannelPtr channelPickup;
    TSoundPtr soundPickup;
    TChannelPtr channelPickup2;
    TSoundPtr soundPickup2;
    TChannelPtr channelStart;
    TSoundPtr soundStart;
    TChannelPtr channelSuccess;
    TSoundPtr soundSuccess;
    TChannelPtr channelTimeUp;
    TSoundPtr soundTimeUp;
    TSoundPtr soundSpawn;
    int combo = 0;
    int bestCombo = 0;
    int goal = 0;
    int kills = 0;

    static std::shared_ptr<TPlayer> CreatePlayer();

    void Draw() override;
    int Logic() override;

    virtual int BoundsCheckPlayer();
    virtual int CheckKeys();
    virtual int CollectPickup(const std::shared_ptr<TPickup>& pickup);
    virtual int Collision();
    virtual int Damage(float amount);
    // 1 on the step the death sequence ends.
    virtual int DeathAnimManage();
    // 1 when no lives are left and the game is over.
    virtual int DeathAnimEnd();
    // duration 0: the default length.
    virtual int DeathAnimStart(int duration);
    virtual int ExplodeAlienBullets();
    // 1 when the goal is reached and the success sequence starts.
    virtual int GoalTest();
    virtual int LevelStart();
    virtual int ResetVariables();
    // Back in the centre of its row with full health.
    virtual int ResetVariablesOnDeath();
    // A box around the cockpit, used only against the aliens' shots.
    virtual int SetSmallHitBox();
    virtual int SuccessAnimManage();
    virtual int SuccessAnimEnd();
    virtual int SuccessAnimStart();
    virtual int TimeUp();

private:
    void LoadSounds();
    void Steer();
    void Fire();
    void LaunchSpawn();
};

using TPlayerPtr = std::shared_ptr<TPlayer>;
