#include "GameplayTestBase.h"

#include "platform/Input.h"

namespace {
constexpr int KEY_Z = 90;
constexpr int KEY_X = 88;

// A ship that notes its health when the death sequence starts.
class WatchedPlayer : public TPlayer {
public:
    float healthAtDeath = -1.0f;
    int DeathAnimStart(int duration) override {
        healthAtDeath = health;
        return TPlayer::DeathAnimStart(duration);
    }
};
} // namespace

class PlayerTest : public GameplayTestBase {
protected:
    PlayerTest() {
        StartLevel();
        level->alienChance = 0.0f;
    }
};

TEST_F(PlayerTest, StartsCentredOnItsRow) {
    EXPECT_EQ(player->x, 512.0f);
    EXPECT_EQ(player->y, 618.0f);
    EXPECT_EQ(player->health, 10.0f);
    EXPECT_EQ(player->speedXMax, 2.0f);
}

TEST_F(PlayerTest, SteeringIsCappedAndClampedAtTheEdge) {
    player->x = 70.0f; // w2 of the 140-pixel ship
    backend.QueueKeyDown(Key::LEFT);
    for (int i = 0; i < 5; ++i) {
        player->Logic();
    }
    EXPECT_EQ(player->speedX, -2.0f);
    EXPECT_EQ(player->x, 70.0f);
    EXPECT_EQ(player->keyPressed, 1);
    backend.QueueKeyUp(Key::LEFT);
    player->Logic();
    EXPECT_NEAR(player->speedX, -1.8f, 1e-5); // friction once released
    EXPECT_EQ(player->animFrame, 0.0f);
}

TEST_F(PlayerTest, HoldingZFiresEveryThirtySteps) {
    backend.QueueKeyDown(KEY_Z);
    for (int step = 1; step <= 61; ++step) {
        player->Logic();
    }
    ASSERT_EQ(level->bulletList->Count(), 3); // steps 1, 31 and 61
    auto shot = As<TBullet>(level->bulletList->First());
    EXPECT_EQ(shot->x, 514.0f);
    EXPECT_EQ(shot->y, 588.0f);
    EXPECT_EQ(shot->speedY, -4.0f);
}

TEST_F(PlayerTest, XWithoutPickupsDoesNothingButStillWaitsForARelease) {
    backend.QueueKeyDown(KEY_X);
    recording->played.clear();
    player->Logic();
    EXPECT_EQ(level->spawnList->Count(), 0);
    EXPECT_EQ(player->spawnKeyDown, 1);
    EXPECT_TRUE(recording->played.empty());
    // A pickup arriving while X is still held launches nothing.
    profile->collected = 2;
    player->Logic();
    EXPECT_EQ(level->spawnList->Count(), 0);
    backend.QueueKeyUp(KEY_X);
    player->Logic();
    EXPECT_EQ(player->spawnKeyDown, 0);
    backend.QueueKeyDown(KEY_X);
    player->Logic();
    ASSERT_EQ(level->spawnList->Count(), 1);
    EXPECT_EQ(profile->collected, 1);
    EXPECT_EQ(As<TSpawn>(level->spawnList->First())->y, 643.0f);
}

TEST_F(PlayerTest, AnEleventhPickupStillScores) {
    profile->collected = 10;
    auto pickup = TPickup::CreatePickup(static_cast<int>(player->x), static_cast<int>(player->y));
    level->pickupList->AddLast(pickup);
    recording->played.clear();
    player->Collision();
    EXPECT_EQ(profile->score, 100);
    EXPECT_EQ(profile->collected, 10);
    EXPECT_EQ(level->pickupList->Count(), 0);
    EXPECT_EQ(recording->Count(player->soundPickup), 1);
    EXPECT_EQ(recording->Count(player->soundPickup2), 1);
}

TEST_F(PlayerTest, ABombOnTheLastHealthEndsAtZeroAndCostsALife) {
    auto ship = std::make_shared<WatchedPlayer>();
    ship->SetImage(imageBank->Find("player"));
    ship->goal = 10;
    ship->ResetVariables();
    player = ship;
    ship->health = 1.0f;
    ship->Damage(4.0f);
    EXPECT_EQ(ship->healthAtDeath, 0.0f);
    EXPECT_EQ(profile->lives, 2);
    EXPECT_EQ(ship->deathAnimCounter, 320);
    EXPECT_EQ(ship->health, 10.0f); // already placed for the next life
}

TEST_F(PlayerTest, DeathSequenceRunsThreeHundredTwentyStepsThenTheShipReturns) {
    player->health = 1.0f;
    player->Damage(1.0f);
    backend.ClearOps();
    player->Draw();
    EXPECT_TRUE(backend.Ops().empty()); // hidden while dying
    for (int step = 1; step < 320; ++step) {
        player->Logic();
    }
    EXPECT_EQ(player->deathAnimCounter, 1);
    int messages = TGameScreen::particleList->Count();
    player->Logic();
    EXPECT_EQ(player->deathAnimCounter, 0);
    EXPECT_EQ(TGameScreen::particleList->Count(), messages + 1); // "Kill 10 Aliens"
    auto last = As<TParticle>(TGameScreen::particleList->Last());
    EXPECT_EQ(last->text, "Kill 10 Aliens");
}

TEST_F(PlayerTest, ReachingTheGoalBlowsUpTheRestWithoutReward) {
    AddAlien(1, 300.0f, 300.0f);
    AddAlien(2, 700.0f, 300.0f);
    level->alienBulletList->AddLast(TAlienBullet::CreateAlienBullet("AlienBullet", 1, 1, 0, 1));
    player->kills = player->goal;
    player->Logic();
    EXPECT_EQ(player->successAnimCounter, 249);
    EXPECT_EQ(level->hazardList->Count(), 0);
    EXPECT_EQ(level->alienBulletList->Count(), 0);
    EXPECT_EQ(player->kills, 10);
    EXPECT_EQ(profile->score, 0);
    bool awesome = false;
    for (const auto& object : *TGameScreen::particleList) {
        awesome = awesome || As<TParticle>(object)->text == "AWESOME!";
    }
    EXPECT_TRUE(awesome);
}

TEST_F(PlayerTest, FloatingMessagesFollowTheirRecipe) {
    player->TimeUp();
    std::shared_ptr<TParticle> message;
    for (const auto& object : *TGameScreen::particleList) {
        auto particle = As<TParticle>(object);
        if (particle->text == "Time Up!") {
            message = particle;
        }
    }
    ASSERT_TRUE(message);
    EXPECT_EQ(message->originalX, 512.0f);
    EXPECT_EQ(message->originalY, 300.0f);
    EXPECT_EQ(message->alpha, 2.0f);
    EXPECT_EQ(message->alphaDelta, -0.01f);
    EXPECT_EQ(message->speedY, -0.3f);
    EXPECT_EQ(message->scaleY, 1.5f);
    EXPECT_EQ(message->color->R, 255);
    EXPECT_EQ(message->color->G, 0);
    EXPECT_EQ(message->shadow->X, 3.0f);
    EXPECT_EQ(message->useRendererCamera, 0);
    EXPECT_EQ(profile->lives, 2);
}
