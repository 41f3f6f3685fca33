#pragma once

#include <memory>

#include "platform/TList.h"
#include "platform/TSound.h"

// One level of play: the lists of live objects, the count-down timer, the
// trickle of aliens from the sides and the merged sound effects of each step.
class TLevel : public TObject {
public:
    int alienBuffer = 100;
    float alienChance = 1.0f;
    int width = 1024;
    int height = 768;
    float timeLeft = 0.0f;
    int timeLimit = 0;
    int groundLevel = 660;
    std::shared_ptr<TList> pickupList;
    std::shared_ptr<TList> hazardList;
    std::shared_ptr<TList> bulletList;
    std::shared_ptr<TList> alienBulletList;
    std::shared_ptr<TList> spawnList;
    int triggerAlienHit = 0;
    int triggerAlienExplosion = 0;
    int triggerAlienShoot1 = 0;
    int triggerAlienShoot2 = 0;
    int triggerPlayerHit = 0;
    int triggerSpawnShoot = 0;
    TSoundPtr soundAlienHit;
    TSoundPtr soundAlienExplosion;
    TSoundPtr soundAlienShoot1;
    TSoundPtr soundAlienShoot2;
    TSoundPtr soundPlayerHit;
    TSoundPtr soundSpawnShoot;

    static std::shared_ptr<TLevel> Create();

    // The background and every object, aliens at the back, pickups in front.
    virtual int Draw();
    // The kill goal of the profile's level; also sets the alien chance.
    virtual int GetGoal();
    // Sounds, the time limit and empty lists.
    virtual int Init();
    virtual int InitTimeLimit();
    virtual int Logic();
    virtual int ManageBullets();
    virtual int ManageAlienBullets();
    virtual int ManageHazards();
    virtual int ManagePickups();
    virtual int ManageSpawn();
    // Plays each effect whose trigger was set this step, once.
    virtual int ProcessSoundTriggers();
    // Sends a new alien in from one of the sides.
    virtual int RandomizeHazard();
    virtual int ResetSoundTriggers();

private:
    void CountDown();
};

using TLevelPtr = std::shared_ptr<TLevel>;
