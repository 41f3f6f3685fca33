#include "GameplayTestBase.h"

using LevelTest = GameplayTestBase;

TEST_F(LevelTest, GoalTimeLimitAndAlienChanceGrowWithTheLevel) {
    struct Case {
        int levelNumber;
        int goal;
        int limitSteps;
        float chance;
    };
    const Case cases[] = {{1, 10, 12000, 0.7f},
                          {2, 15, 11600, 0.9f},
                          {11, 60, 8000, 2.7f},
                          {20, 60, 4400, 4.5f},
                          {25, 60, 4000, 5.5f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.levelNumber);
        profile->level = c.levelNumber;
        StartLevel();
        EXPECT_EQ(player->goal, c.goal);
        EXPECT_EQ(level->timeLimit, c.limitSteps);
        EXPECT_EQ(level->timeLeft, static_cast<float>(c.limitSteps));
        EXPECT_NEAR(level->alienChance, c.chance, 1e-5);
    }
}

TEST_F(LevelTest, TimerStopsWhileTheShipIsDyingOrCelebrating) {
    StartLevel();
    level->alienChance = 0.0f;
    Step();
    EXPECT_EQ(level->timeLeft, 11999.0f);
    player->deathAnimCounter = 100;
    level->Logic();
    EXPECT_EQ(level->timeLeft, 11999.0f);
    player->deathAnimCounter = 0;
    player->successAnimCounter = 100;
    level->Logic();
    EXPECT_EQ(level->timeLeft, 11999.0f);
}

TEST_F(LevelTest, TimeUpCostsALifeAndGivesTenMoreSecondsWhileLivesRemain) {
    StartLevel();
    level->alienChance = 0.0f;
    level->timeLeft = 1.0f;
    level->Logic();
    EXPECT_EQ(profile->lives, 2);
    EXPECT_EQ(level->timeLeft, 2000.0f);
    EXPECT_EQ(player->deathAnimCounter, 320);

    // With the last life gone the clock stays spent.
    profile->lives = 1;
    player->deathAnimCounter = 0;
    level->timeLeft = 1.0f;
    level->Logic();
    EXPECT_EQ(profile->lives, 0);
    EXPECT_LE(level->timeLeft, 0.0f);
    player->deathAnimCounter = 0;
    float spent = level->timeLeft;
    level->Logic();
    EXPECT_EQ(level->timeLeft, spent);
}

TEST_F(LevelTest, BulletsLeaveOnlyPastHalfTheirWidthAboveTheTop) {
    StartLevel();
    level->alienChance = 0.0f;
    auto kept = TBullet::CreateBullet(2, 100, 0, 0.0f, 0.0f);
    kept->y = -20.0f; // w2 of a 40-pixel-wide bullet
    auto gone = TBullet::CreateBullet(2, 200, 0, 0.0f, 0.0f);
    gone->y = -20.01f;
    level->bulletList->AddLast(kept);
    level->bulletList->AddLast(gone);
    level->ManageBullets();
    EXPECT_TRUE(level->bulletList->Contains(kept));
    EXPECT_FALSE(level->bulletList->Contains(gone));
}

TEST_F(LevelTest, TwoAliensDestroyedInOneStepMakeOneExplosionSound) {
    StartLevel();
    level->alienChance = 0.0f;
    for (float x : {300.0f, 600.0f}) {
        auto alien = AddAlien(1, x, 300.0f);
        alien->health = 1.0f;
        // A bullet right on the alien.
        level->bulletList->AddLast(TBullet::CreateBullet(2, static_cast<int>(x), 300, 0.0f, 0.0f));
    }
    recording->played.clear();
    level->Logic();
    EXPECT_EQ(level->hazardList->Count(), 0);
    EXPECT_EQ(player->kills, 2);
    EXPECT_EQ(recording->Count(level->soundAlienExplosion), 1);
    EXPECT_EQ(recording->Count(level->soundAlienHit), 1);
}

TEST_F(LevelTest, NoAlienArrivesDuringTheSuccessSequence) {
    StartLevel();
    level->alienChance = 1000.0f;
    player->successAnimCounter = 250;
    level->ManageHazards();
    EXPECT_EQ(level->hazardList->Count(), 0);
    player->successAnimCounter = 0;
    level->ManageHazards();
    EXPECT_EQ(level->hazardList->Count(), 1);
}

TEST_F(LevelTest, AliensComeFromEitherSideAtRandomHeightsAndFlyInward) {
    StartLevel();
    int fromLeft = 0;
    for (int i = 0; i < 200; ++i) {
        level->RandomizeHazard();
    }
    for (const auto& object : *level->hazardList) {
        auto alien = As<THazard>(object);
        ASSERT_TRUE(alien);
        ASSERT_GE(alien->y, 100.0f);
        ASSERT_LE(alien->y, 400.0f);
        ASSERT_EQ(alien->speedY, 0.0f);
        if (alien->x < 0.0f) {
            ++fromLeft;
            EXPECT_EQ(alien->x, -100.0f);
            EXPECT_GE(alien->speedX, 0.2f);
            EXPECT_LE(alien->speedX, alien->speedXMax);
        } else {
            EXPECT_EQ(alien->x, 1124.0f);
            EXPECT_LE(alien->speedX, -0.2f);
        }
    }
    EXPECT_GT(fromLeft, 60);
    EXPECT_LT(fromLeft, 140);
}

TEST_F(LevelTest, AliensLeavingTheScreenAreDroppedWithoutScore) {
    StartLevel();
    level->alienChance = 0.0f;
    auto alien = AddAlien(1, 1124.0f, 300.0f);
    alien->speedX = 1.0f;
    level->ManageHazards();
    EXPECT_EQ(level->hazardList->Count(), 0);
    EXPECT_EQ(profile->score, 0);
}

TEST_F(LevelTest, ADeathInTheAlienBulletPassEmptiesTheListItIsWalking) {
    StartLevel();
    player->health = 1.0f;
    // Three bombs on the cockpit: the first kills the ship, which bursts them all.
    for (int i = 0; i < 3; ++i) {
        auto bomb = TAlienBullet::CreateAlienBullet("AlienBullet2", static_cast<int>(player->x),
                                                    static_cast<int>(player->y), 0.0f, 0.0f);
        bomb->power = 4.0f;
        level->alienBulletList->AddLast(bomb);
    }
    level->ManageAlienBullets();
    EXPECT_EQ(level->alienBulletList->Count(), 0);
    EXPECT_EQ(profile->lives, 2);
    EXPECT_EQ(player->hitBoxWidth, 140); // the full box is back
}

TEST_F(LevelTest, AlienBulletsBurstOnTheGroundAndStillTestTheirHit) {
    StartLevel();
    auto bomb = TAlienBullet::CreateAlienBullet("AlienBullet2", 100, 659, 0.0f, 1.0f);
    level->alienBulletList->AddLast(bomb);
    auto particles = TGameScreen::particleList->Count();
    level->ManageAlienBullets();
    EXPECT_EQ(level->alienBulletList->Count(), 0);
    EXPECT_EQ(TGameScreen::particleList->Count(), particles + 3);
}

TEST_F(LevelTest, DrawsTheBackgroundThenAliensTurretsShotsAndPickups) {
    StartLevel();
    AddAlien(1, 300.0f, 300.0f);
    level->spawnList->AddLast(TSpawn::CreateSpawn(400, 600));
    level->alienBulletList->AddLast(TAlienBullet::CreateAlienBullet("AlienBullet", 1, 2, 0, 0));
    level->bulletList->AddLast(TBullet::CreateBullet(2, 3, 4, 0, 0));
    level->pickupList->AddLast(TPickup::CreatePickup(5, 6));
    level->Draw();
    std::vector<std::string> order;
    for (const auto& op : backend.Ops()) {
        for (const auto& value : *imageBank) {
            auto image = As<TGameImage>(value);
            if (op.image == image->image) {
                order.push_back(image->name);
            }
        }
    }
    EXPECT_EQ(order, (std::vector<std::string>{"BACKGROUND", "ALIEN1", "TURRET", "ALIENBULLET",
                                               "BULLET2", "PICKUP"}));
}
