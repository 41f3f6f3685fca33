#include "SpriteTestBase.h"

#include <string>

#include "sprites/TFlasher.h"
#include "sprites/TParticleList.h"

using ParticleTest = SpriteTestBase;

TEST_F(ParticleTest, ParticlesDieByAlphaOrByScale) {
    struct Case {
        const char* what;
        float alpha, alphaDelta, scaleX, scaleXDelta;
        int diesOnStep;
    };
    const Case cases[] = {
        {"fading from 1 by a quarter", 1.0f, -0.25f, 1.0f, 0.0f, 4},
        {"fading from 2 by a half", 2.0f, -0.5f, 1.0f, 0.0f, 4},
        {"shrinking from a half by a quarter", 1.0f, 0.0f, 0.5f, -0.25f, 2},
        {"growing brighter lives on", 1.0f, 0.1f, 1.0f, 0.1f, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto particle = TParticle::CreateParticle(nullptr, 0, 0, "", nullptr);
        particle->alpha = c.alpha;
        particle->scaleX = c.scaleX;
        particle->SetParams(c.alphaDelta, 0.0f, c.scaleXDelta, 0.0f, 1.0f, 2.0f);
        int diedOn = 0;
        for (int step = 1; step <= 50 && !diedOn; ++step) {
            if (!particle->Logic()) {
                diedOn = step;
            }
        }
        EXPECT_EQ(diedOn, c.diesOnStep);
    }
}

TEST_F(ParticleTest, RotationWrapsBothWays) {
    const std::tuple<float, float, float> cases[] = {
        {350.0f, 20.0f, 10.0f}, {10.0f, -20.0f, 350.0f}, {340.0f, 20.0f, 0.0f}};
    for (auto [start, step, expected] : cases) {
        auto particle = TParticle::CreateParticle(nullptr, 0, 0, "", nullptr);
        particle->rotation = start;
        particle->SetParams(0.0f, step, 0.0f, 0.0f, 0.0f, 0.0f);
        particle->Logic();
        EXPECT_NEAR(particle->rotation, expected, 1e-4) << start << " + " << step;
    }
}

TEST_F(ParticleTest, ParticleWithoutChangesMovesInAStraightLineForever) {
    auto particle = TParticle::CreateParticle(nullptr, 5, 7, "", nullptr);
    particle->SetParams(0, 0, 0, 0, 1.5f, -2.0f);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(particle->Logic(), 1);
    }
    EXPECT_NEAR(particle->x, 1505.0f, 1e-3);
    EXPECT_NEAR(particle->y, -1993.0f, 1e-3);
}

TEST_F(ParticleTest, ListDropsTheDeadAndStillStepsTheOnesAfterThem) {
    auto list = TParticleList::Create();
    // Alphas: particles 1 and 2 die in the first step, 0 and 3 live on.
    const float alphas[] = {1.0f, 0.1f, 0.2f, 1.0f};
    std::vector<TParticlePtr> particles;
    for (float a : alphas) {
        auto particle = list->AddNew(nullptr, 10, 20, "", nullptr);
        particle->alpha = a;
        particle->SetParams(-0.5f, 0, 0, 0, 1.0f, 0);
        particles.push_back(particle);
    }
    list->AddLast(std::make_shared<TSprite>()); // not a particle: skipped
    list->Logic();
    EXPECT_EQ(list->Count(), 3);
    EXPECT_TRUE(list->Contains(particles[0]));
    EXPECT_FALSE(list->Contains(particles[1]));
    EXPECT_FALSE(list->Contains(particles[2]));
    EXPECT_EQ(particles[3]->x, 11.0f); // stepped in the same pass
    EXPECT_EQ(particles[3]->alpha, 0.5f);

    list->Draw();
    EXPECT_EQ(backend.Ops().size(), 0u); // no images and no text to draw
}

TEST_F(ParticleTest, ListDrawsEveryParticleInOrder) {
    auto list = TParticleList::Create();
    list->AddNew(Picture(8, 8, 1), 10, 20, "", nullptr);
    list->AddNew(nullptr, 30, 40, "You died!", TenPixelFont());
    list->Draw();
    ASSERT_EQ(backend.Ops().size(), 2u);
    EXPECT_EQ(backend.Ops()[0].kind, TDrawKind::Image);
    EXPECT_EQ(backend.Ops()[1].kind, TDrawKind::Text);
    EXPECT_EQ(backend.Ops()[1].text, "You died!");
}

TEST(Flasher, PhasesLastOneCallLongerThanTheirLength) {
    auto flasher = TFlasher::Create(0, 20, 10);
    std::string states;
    for (int call = 1; call <= 33; ++call) {
        EXPECT_EQ(flasher->Logic(), 0);
        states += static_cast<char>('0' + flasher->state);
    }
    EXPECT_EQ(states, std::string(20, '1') + std::string(11, '0') + "11");
}

TEST(Flasher, ReportsTheEndOfItsDurationOnce) {
    auto flasher = TFlasher::Create(3, 20, 10);
    const int expected[] = {0, 0, 1, 0, 0, 0};
    for (int result : expected) {
        EXPECT_EQ(flasher->Logic(), result);
    }
}

TEST(Flasher, SetToOffRestartsTheOffPhase) {
    auto flasher = TFlasher::Create(0, 20, 10);
    flasher->SetToOff();
    for (int call = 1; call <= 10; ++call) {
        flasher->Logic();
        EXPECT_EQ(flasher->state, 0) << call;
    }
    flasher->Logic();
    EXPECT_EQ(flasher->state, 1);
}
