#include "gameplay/GameplayTestBase.h"

#include "platform/Graphics.h"
#include "screens/THUD.h"

class HUDTest : public GameplayTestBase {
protected:
    HUDTest() {
        StartLevel();
        recording->played.clear();
        HUD = THUD::Create();
    }

    // Width of the filled part of the bar whose top-left is (x, y) in colour (r, g, b).
    float FillWidth(float x, float y, int r, int g, int b) {
        float width = -1.0f;
        for (const auto& op : OpsOfKind(TDrawKind::Rect)) {
            if (op.x == x && op.y == y && op.state.r == r && op.state.g == g && op.state.b == b) {
                width = op.x2;
            }
        }
        return width;
    }
};

TEST_F(HUDTest, HealthBarFillFollowsHealth) {
    const std::pair<float, float> cases[] = {{10.0f, 210.0f}, {9.5f, 199.0f}, {0.0f, 0.0f}};
    for (auto [health, width] : cases) {
        player->health = health;
        backend.ClearOps();
        HUD->Draw();
        EXPECT_EQ(FillWidth(497.0f, 5.0f, 250, 100, 100), width) << health;
        // Background and outline are there whatever the health.
        EXPECT_EQ(FillWidth(497.0f, 5.0f, 30, 30, 30), 210.0f);
    }
}

TEST_F(HUDTest, TimeReadingColourAndTick) {
    struct Case {
        float stepsLeft;
        const char* reads;
        bool red;
        int ticks;
    };
    const Case cases[] = {
        {12000.0f, "60", false, 0}, {2001.0f, "11", false, 0}, // 10.005 seconds
        {2000.0f, "10", true, 1},   {1990.0f, "10", true, 0},  // same second: no new tick
        {1000.0f, "05", true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reads);
        level->timeLeft = c.stepsLeft;
        recording->played.clear();
        backend.ClearOps();
        HUD->Draw();
        EXPECT_EQ(HUD->timeStatLabel->text, c.reads);
        ASSERT_TRUE(HUD->timeStatLabel->color);
        EXPECT_EQ(HUD->timeStatLabel->color->G, c.red ? 50 : 255);
        EXPECT_EQ(recording->Count(player->soundBlip), c.ticks);
    }
}

TEST_F(HUDTest, ANewHUDWithTimeToSpareMakesNoTick) {
    EXPECT_EQ(recording->Count(player->soundBlip), 0);
    EXPECT_EQ(HUD->lastSeconds, 999);
}

TEST_F(HUDTest, ScoreIsZeroFilledButNeverCut) {
    profile->score = 250;
    HUD->UpdateScore();
    EXPECT_EQ(HUD->scoreLabel->stat->text, "00250");
    profile->score = 1234567;
    HUD->UpdateScore();
    EXPECT_EQ(HUD->scoreLabel->stat->text, "1234567");
}

TEST_F(HUDTest, UpdatesShowKillsLivesAndPickups) {
    player->kills = 4;
    profile->lives = 2;
    profile->collected = 3;
    HUD->UpdateAll();
    EXPECT_EQ(HUD->killsLabel->stat->text, "4/10");
    EXPECT_EQ(HUD->livesLabel->stat->text, "2");
    EXPECT_EQ(HUD->goalStatLabel->text, "3/10");
}

TEST_F(HUDTest, BarsAndCaptionsSettleBesideTheirBars) {
    HUD->Draw();
    EXPECT_EQ(HUD->healthLabel->x, 377.0f);
    EXPECT_EQ(HUD->goalLabel->x, 632.0f);
    EXPECT_EQ(HUD->goalLabel->y, 717.0f);
    EXPECT_EQ(HUD->goalStatLabel->x, 892.0f);
    EXPECT_EQ(HUD->timeLabel->x, 22.0f);
    EXPECT_EQ(HUD->timeStatLabel->x, 332.0f);
    // The translucent bars first, then white and opaque again.
    auto rects = OpsOfKind(TDrawKind::Rect);
    ASSERT_GE(rects.size(), 2u);
    EXPECT_EQ(rects[0].y, 0.0f);
    EXPECT_EQ(rects[0].x2, 1024.0f);
    EXPECT_EQ(rects[0].y2, 50.0f);
    EXPECT_FLOAT_EQ(rects[0].state.alpha, 0.7f);
    EXPECT_EQ(rects[1].y, 718.0f);
    EXPECT_EQ(GetAlpha(), 1.0f);
}
