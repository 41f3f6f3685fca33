#include "gameplay/GameplayTestBase.h"

#include "core/Entry.h"
#include "screens/TIntroScreen.h"

// The game's screens, played with nothing but a pad.
class GamepadGameTest : public GameplayTestBase {
protected:
    GamepadGameTest() {
        game->AddScreenToStack(TIntroScreen::Create());
        backend.onPresent = [](THeadlessBackend& b) { b.AdvanceTime(15); };
        backend.QueuePadAdded(0);
    }

    void RunFrames(int frames) {
        for (int i = 0; i < frames; ++i) {
            ASSERT_TRUE(MainLoopPass());
        }
    }

    void Press(TPadButton button) {
        backend.QueuePadButtonDown(0, button);
        backend.QueuePadButtonUp(0, button);
    }

    std::string Current() const { return game->currentScreen->name; }
};

TEST_F(GamepadGameTest, StartLeadsFromTheSplashIntoALevelWhereThePadFliesFiresAndPauses) {
    for (const char* next : {"Title", "Map", "Game"}) {
        Press(TPadButton::Start);
        RunFrames(2);
        EXPECT_EQ(Current(), next);
    }
    // Stick to the right and A held for most of a second.
    const float startX = player->x;
    backend.QueuePadAxis(0, TPadAxis::LeftX, 32767);
    backend.QueuePadButtonDown(0, TPadButton::A);
    RunFrames(60);
    EXPECT_GT(player->x, startX);
    EXPECT_GT(level->bulletList->Count(), 0);
    backend.QueuePadAxis(0, TPadAxis::LeftX, 0);
    backend.QueuePadButtonUp(0, TPadButton::A);

    Press(TPadButton::Y);
    RunFrames(2);
    EXPECT_EQ(game->paused, 1);
    Press(TPadButton::Y);
    RunFrames(2);
    EXPECT_EQ(game->paused, 0);
    // Back leaves the level, and on the title ends the game.
    Press(TPadButton::Back);
    RunFrames(2);
    EXPECT_EQ(Current(), "Title");
    Press(TPadButton::Back);
    EXPECT_FALSE(MainLoopPass());
}
