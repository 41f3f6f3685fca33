#include "HeadlessTest.h"

#include "core/TestScreen.h"
#include "platform/Clock.h"
#include "platform/Input.h"

namespace {
constexpr int KEY_D = 68;
constexpr int KEY_P = 80;
} // namespace

class TGameTest : public HeadlessTest {
protected:
    TGameTest() {
        backend.SetTime(1000);
        game = TGame::Create();
        game->InitFixedRateLogic(200);
        game->useRemainderDelta = 1;
        screen = std::make_shared<TestScreen>("Title");
        game->AddScreenToStack(screen);
    }

    // Runs one frame's logic after ms milliseconds.
    int FrameAfter(int ms) {
        backend.AdvanceTime(ms);
        return game->Logic();
    }

    std::shared_ptr<TestScreen> screen;
};

TEST_F(TGameTest, DefaultsOfANewGame) {
    auto fresh = TGame::Create();
    EXPECT_EQ(fresh->frameRate, 60.0f);
    EXPECT_EQ(fresh->msPerFrame, 0.0f);
    EXPECT_EQ(fresh->debugPanelX, 10);
    EXPECT_EQ(fresh->debugPanelY, 10);
    EXPECT_EQ(fresh->music, 1);
    EXPECT_FLOAT_EQ(fresh->musicVolume, 0.4f);
    EXPECT_EQ(fresh->versionString, "0.00");
    EXPECT_EQ(fresh->imagePath, "Data/Images/");
    EXPECT_EQ(fresh->screenStack->Count(), 0);
    EXPECT_EQ(fresh->currentScreen, nullptr);
}

TEST_F(TGameTest, FrameTimeGivesWholeStepsAndTheFraction) {
    struct Case {
        int elapsed;
        int steps;
        float remainder;
    };
    const Case cases[] = {{4, 0, 0.8f},   {5, 1, 0.0f}, {16, 3, 0.2f}, {250, 20, 0.0f},
                          {-10, 0, 0.0f}, {0, 0, 0.0f}, {99, 19, 0.8f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.elapsed);
        backend.SetTime(5000);
        game->lastTime = MilliSecs();
        backend.SetTime(5000 + c.elapsed);
        float remainder = -1.0f;
        EXPECT_EQ(game->CalcLogicLoops(remainder), c.steps);
        EXPECT_NEAR(remainder, c.remainder, 1e-6);
        EXPECT_EQ(game->lastTime, 5000 + c.elapsed);
    }
}

TEST_F(TGameTest, AClockThatWrapsStillMeasuresTheGap) {
    backend.SetTime(0xFFFFFFFFll - 5);
    game->lastTime = MilliSecs();
    backend.SetTime(0xFFFFFFFFll + 11); // 16 ms later, past the wrap
    float remainder = 0.0f;
    EXPECT_EQ(game->CalcLogicLoops(remainder), 3);
    EXPECT_NEAR(remainder, 0.2f, 1e-6);
}

TEST_F(TGameTest, LogicRunsWholeStepsThenTheFractionalOne) {
    EXPECT_EQ(FrameAfter(16), 0);
    ASSERT_EQ(screen->deltas.size(), 4u);
    EXPECT_EQ(screen->deltas[0], 1.0f);
    EXPECT_EQ(screen->deltas[2], 1.0f);
    EXPECT_NEAR(screen->deltas[3], 0.2f, 1e-6);
}

TEST_F(TGameTest, AStepWithZeroDeltaStillRuns) {
    FrameAfter(250);
    ASSERT_EQ(screen->deltas.size(), 21u);
    EXPECT_EQ(screen->deltas.back(), 0.0f);
}

TEST_F(TGameTest, QuitRequestEndsTheFrameBeforeAnyStep) {
    backend.QueueQuit();
    EXPECT_EQ(FrameAfter(16), 1);
    EXPECT_TRUE(screen->deltas.empty());
    // The request is reported once.
    EXPECT_EQ(FrameAfter(16), 0);
}

TEST_F(TGameTest, EndGameStopsTheRemainingStepsOfTheFrame) {
    screen->onLogic = [](TestScreen& s) {
        if (s.deltas.size() == 2) {
            game->endGame = 1;
        }
    };
    EXPECT_EQ(FrameAfter(16), 1);
    EXPECT_EQ(screen->deltas.size(), 2u);
}

TEST_F(TGameTest, PausedGameReadsOnlyTheGameWideKeys) {
    backend.QueueKeyPress(KEY_P);
    FrameAfter(5);
    EXPECT_EQ(game->paused, 1);
    EXPECT_TRUE(screen->deltas.empty());

    // A screen key pressed while paused is never seen by the screen's step.
    int escapesSeen = 0;
    screen->onLogic = [&](TestScreen&) { escapesSeen += KeyHit(Key::ESCAPE); };
    backend.QueueKeyPress(Key::ESCAPE);
    game->endGame = 1; // not looked at while paused
    EXPECT_EQ(FrameAfter(5), 0);

    // Ctrl+D still works while paused.
    backend.QueueKeyDown(Key::LCONTROL);
    backend.QueueKeyPress(KEY_D);
    FrameAfter(5);
    EXPECT_EQ(game->displayDebugPanel, 1);
    EXPECT_TRUE(screen->deltas.empty());

    game->endGame = 0;
    backend.QueueKeyPress(KEY_P);
    FrameAfter(5);
    EXPECT_EQ(game->paused, 0);
    EXPECT_FALSE(screen->deltas.empty());
    EXPECT_EQ(escapesSeen, 0);
}

TEST_F(TGameTest, TogglesFlushOtherPendingHits) {
    struct Case {
        const char* what;
        std::vector<int> held;
        int key;
        int panel;
        int paused;
    };
    const Case cases[] = {
        {"P pauses", {}, KEY_P, 0, 1},
        {"left Ctrl+D shows the panel", {Key::LCONTROL}, KEY_D, 1, 0},
        {"right Ctrl+D shows the panel", {Key::RCONTROL}, KEY_D, 1, 0},
        {"D alone does nothing", {}, KEY_D, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        game->displayDebugPanel = 0;
        game->paused = 0;
        FlushKeys();
        for (int key : c.held) {
            backend.QueueKeyDown(key);
        }
        backend.QueueKeyPress(Key::SPACE);
        backend.QueueKeyPress(c.key);
        game->CheckKeys();
        EXPECT_EQ(game->displayDebugPanel, c.panel);
        EXPECT_EQ(game->paused, c.paused);
        EXPECT_EQ(KeyHit(c.key), 0);
        // The flush after a toggle drops the Space pressed in the same step.
        bool toggled = c.panel || c.paused;
        EXPECT_EQ(KeyHit(Key::SPACE), toggled ? 0 : 1);
    }
}

TEST_F(TGameTest, DebugPanelShowsMouseAndScreenAtItsPosition) {
    game->debugPanelY = 100;
    backend.QueueMouseMove(321, 45);
    backend.QueueKeyDown(Key::LCONTROL);
    backend.QueueKeyPress(KEY_D);
    FrameAfter(5);
    game->Draw();
    auto texts = OpsOfKind(TDrawKind::Text);
    ASSERT_EQ(texts.size(), 3u); // the screen's own text, then the panel's two lines
    EXPECT_EQ(texts[1].text, "Mouse: 321,45");
    EXPECT_EQ(texts[1].x, 10.0f);
    EXPECT_EQ(texts[1].y, 100.0f);
    EXPECT_EQ(texts[2].text, "Screen: Title");
    EXPECT_EQ(texts[2].y, 115.0f);

    backend.ClearOps();
    // The toggle's flush forgot the held Ctrl: it is pressed again to hide the panel.
    backend.QueueKeyDown(Key::LCONTROL);
    backend.QueueKeyPress(KEY_D);
    FrameAfter(5);
    game->Draw();
    EXPECT_EQ(OpsOfKind(TDrawKind::Text).size(), 1u);
}

TEST_F(TGameTest, DrawClearsInTheScreensColourThenDrawsTheStackWithAlphaBlending) {
    game->clsColor = TColor::Create(10, 20, 30, 1.0f);
    SetBlend(0);
    game->Draw();
    ASSERT_FALSE(backend.Ops().empty());
    const auto& cls = backend.Ops().front();
    EXPECT_EQ(cls.kind, TDrawKind::Cls);
    EXPECT_EQ(cls.state.clsR, 10);
    EXPECT_EQ(cls.state.clsB, 30);
    EXPECT_EQ(GetBlend(), 3);
    EXPECT_EQ(screen->draws, 1);
}

TEST_F(TGameTest, ChangeScreenStartsTheNewScreenAndDropsPendingInput) {
    screen->name = "Credits";
    auto next = std::make_shared<TestScreen>("Title");
    backend.QueueKeyPress(Key::SPACE);
    backend.QueueMouseDown(1);
    KeyDown(Key::SPACE); // take the events in
    game->ChangeScreen(next);
    EXPECT_EQ(game->lastScreenName, "CREDITS");
    EXPECT_EQ(game->currentScreen, next);
    EXPECT_EQ(next->starts, 1);
    EXPECT_EQ(game->screenStack->Count(), 1);
    EXPECT_EQ(game->screenStack->First(), next);
    EXPECT_EQ(KeyHit(Key::SPACE), 0);
    EXPECT_EQ(MouseHit(1), 0);
}

TEST_F(TGameTest, AScreenChangingScreenRunsTheNewOneFromTheNextStep) {
    auto next = std::make_shared<TestScreen>("Next");
    screen->onLogic = [&](TestScreen&) { game->ChangeScreen(next); };
    FrameAfter(16);
    EXPECT_EQ(screen->deltas.size(), 1u);
    EXPECT_EQ(next->deltas.size(), 3u);
}
