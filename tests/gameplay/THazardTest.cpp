#include "GameplayTestBase.h"

#include "platform/Random.h"

using HazardTest = GameplayTestBase;

TEST_F(HazardTest, TypesByTheTable) {
    profile->level = 3;
    StartLevel();
    auto small = THazard::CreateHazardOfType(0, 0, 1);
    EXPECT_EQ(small->health, 2.0f);
    EXPECT_EQ(small->score, 10);
    EXPECT_EQ(small->accuracyRange, 170);
    EXPECT_NEAR(small->fireChance, 0.09f, 1e-6);
    EXPECT_EQ(small->hitBoxHeight, 70);
    EXPECT_EQ(small->animCounterMax, 200);
    auto big = THazard::CreateHazardOfType(0, 0, 2);
    EXPECT_EQ(big->health, 6.0f);
    EXPECT_EQ(big->power, 4.0f);
    EXPECT_EQ(big->hitBoxWidth, 168);
    EXPECT_EQ(big->hitBoxHeight, 100);
    profile->level = 20;
    EXPECT_EQ(THazard::CreateHazardOfType(0, 0, 1)->accuracyRange, 0);
}

TEST_F(HazardTest, ArmouredAlienTakesSixHitsAndScoresFiftyWithOneKill) {
    StartLevel();
    auto alien = AddAlien(2, 500.0f, 300.0f);
    for (int hit = 1; hit <= 5; ++hit) {
        alien->Damage(1.0f);
    }
    EXPECT_EQ(alien->health, 1.0f);
    EXPECT_GT(alien->flashCounter, 0.0f);
    EXPECT_TRUE(level->hazardList->Contains(alien));
    alien->Damage(1.0f);
    EXPECT_FALSE(level->hazardList->Contains(alien));
    EXPECT_EQ(profile->score, 50);
    EXPECT_EQ(player->kills, 1);
}

TEST_F(HazardTest, ClearedAliensBurstWithoutReward) {
    StartLevel();
    auto alien = AddAlien(1, 500.0f, 300.0f);
    alien->Explode(0);
    EXPECT_EQ(level->hazardList->Count(), 0);
    EXPECT_EQ(profile->score, 0);
    EXPECT_EQ(player->kills, 0);
    EXPECT_EQ(level->pickupList->Count(), 0);
    // Ring, eight fireballs and twenty pieces of debris.
    EXPECT_EQ(TGameScreen::particleList->Count(), 29);
}

TEST_F(HazardTest, AimedShotsHeadForJustAboveTheShip) {
    profile->level = 20; // no aiming error
    StartLevel();
    auto alien = AddAlien(1, 212.0f, 250.0f);
    alien->fireChance = 1000.0f;
    alien->Shoot();
    ASSERT_EQ(level->alienBulletList->Count(), 1);
    auto shot = As<TAlienBullet>(level->alienBulletList->First());
    float dx = player->x - shot->x;
    float dy = (player->y - 15.0f) - shot->y;
    // The velocity points along (dx, dy) at the bullet speed.
    EXPECT_NEAR(shot->speedX * dy - shot->speedY * dx, 0.0f, 1e-3);
    EXPECT_GT(shot->speedX * dx + shot->speedY * dy, 0.0f);
    EXPECT_NEAR(std::hypot(shot->speedX, shot->speedY), 2.0f, 1e-4);
    EXPECT_EQ(shot->power, 1.0f);
    EXPECT_EQ(level->triggerAlienShoot1, 1);
}

TEST_F(HazardTest, BombsFallStraightDownAndAliensHoldFireWhileTheShipIsDying) {
    StartLevel();
    auto alien = AddAlien(2, 300.0f, 200.0f);
    alien->fireChance = 1000.0f;
    player->deathAnimCounter = 10;
    EXPECT_EQ(alien->Shoot(), 0);
    EXPECT_EQ(level->alienBulletList->Count(), 0);
    player->deathAnimCounter = 0;
    EXPECT_EQ(alien->Shoot(), 1);
    auto bomb = As<TAlienBullet>(level->alienBulletList->First());
    ASSERT_TRUE(bomb);
    EXPECT_EQ(bomb->y, 265.0f);
    EXPECT_EQ(bomb->speedX, 0.0f);
    EXPECT_EQ(bomb->speedY, 1.0f);
    EXPECT_EQ(bomb->power, 4.0f);
}

TEST_F(HazardTest, ABulletDamagesOnlyTheFirstAlienItTouches) {
    StartLevel();
    auto first = AddAlien(2, 500.0f, 300.0f);
    auto second = AddAlien(2, 510.0f, 300.0f);
    auto bullet = TBullet::CreateBullet(2, 505, 300, 0.0f, 0.0f);
    level->bulletList->AddLast(bullet);
    bullet->Collision();
    EXPECT_EQ(first->health, 5.0f);
    EXPECT_EQ(second->health, 6.0f);
    EXPECT_FALSE(level->bulletList->Contains(bullet));
}

TEST_F(HazardTest, ASecondBulletFindsTheAlienGoneAndFliesOn) {
    StartLevel();
    level->alienChance = 0.0f;
    auto alien = AddAlien(1, 500.0f, 300.0f);
    alien->health = 1.0f;
    auto first = TBullet::CreateBullet(2, 500, 300, 0.0f, 0.0f);
    auto second = TBullet::CreateBullet(2, 500, 300, 0.0f, 0.0f);
    level->bulletList->AddLast(first);
    level->bulletList->AddLast(second);
    level->ManageBullets();
    EXPECT_EQ(player->kills, 1);
    EXPECT_TRUE(level->bulletList->Contains(second));
}

TEST_F(HazardTest, SpawnUnitsFireEveryHundredStepsAndFallToTwoBombs) {
    StartLevel();
    auto unit = TSpawn::CreateSpawn(300, 643);
    level->spawnList->AddLast(unit);
    for (int step = 1; step <= 99; ++step) {
        unit->Logic();
    }
    EXPECT_EQ(level->bulletList->Count(), 0);
    unit->Logic();
    ASSERT_EQ(level->bulletList->Count(), 1);
    auto shot = As<TBullet>(level->bulletList->First());
    EXPECT_EQ(shot->y, 603.0f);
    EXPECT_EQ(shot->speedY, -2.0f);
    EXPECT_EQ(shot->gameImage, imageBank->Find("bullet1"));

    unit->Damage(4.0f);
    EXPECT_EQ(unit->health, 1.0f);
    EXPECT_GT(unit->flashCounter, 0.0f);
    EXPECT_TRUE(level->spawnList->Contains(unit));
    unit->Damage(4.0f);
    EXPECT_EQ(unit->health, 0.0f);
    EXPECT_FALSE(level->spawnList->Contains(unit));
    EXPECT_EQ(level->triggerAlienExplosion, 1);
}

TEST_F(HazardTest, AnAlienBulletOverShipAndTurretDamagesBoth) {
    StartLevel();
    auto unit = TSpawn::CreateSpawn(static_cast<int>(player->x), static_cast<int>(player->y));
    level->spawnList->AddLast(unit);
    auto shot = TAlienBullet::CreateAlienBullet("AlienBullet", static_cast<int>(player->x),
                                                static_cast<int>(player->y), 0.0f, 0.0f);
    level->alienBulletList->AddLast(shot);
    player->SetSmallHitBox();
    shot->Collision();
    EXPECT_EQ(player->health, 9.0f);
    EXPECT_EQ(unit->health, 4.0f);
    EXPECT_EQ(level->alienBulletList->Count(), 0);
}

TEST_F(HazardTest, PickupFallsLandsFadesAndGoes) {
    StartLevel();
    auto pickup = TPickup::CreatePickup(100, 400);
    level->pickupList->AddLast(pickup);
    int landedOn = 0;
    for (int step = 1; step <= 200 && !landedOn; ++step) {
        level->ManagePickups();
        if (pickup->lifeCounter > 0.0f) {
            landedOn = step;
        }
    }
    EXPECT_EQ(landedOn, 161);
    EXPECT_EQ(pickup->y, 660.0f);
    // The landing step is its first on the ground.
    for (int onGround = 2; onGround <= 200; ++onGround) {
        level->ManagePickups();
    }
    EXPECT_FLOAT_EQ(pickup->alpha, 0.5f);
    for (int onGround = 201; onGround <= 399; ++onGround) {
        level->ManagePickups();
    }
    EXPECT_TRUE(level->pickupList->Contains(pickup));
    level->ManagePickups();
    EXPECT_FALSE(level->pickupList->Contains(pickup));
}

TEST_F(HazardTest, PickupMadeBelowTheGroundLandsAtOnce) {
    StartLevel();
    auto pickup = TPickup::CreatePickup(100, 700);
    level->pickupList->AddLast(pickup);
    level->ManagePickups();
    EXPECT_EQ(pickup->y, 660.0f);
    EXPECT_GT(pickup->lifeCounter, 0.0f);
}

TEST(Profile, LivesNeverGoBelowZero) {
    auto profile = TProfile::Create();
    EXPECT_EQ(profile->lives, 3);
    profile->lives = 0;
    profile->UpdateLives(-1);
    EXPECT_EQ(profile->lives, 0);
}
