#include "HeadlessTest.h"

#include <filesystem>

#include "core/Entry.h"
#include "core/TestScreen.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"
#include "platform/Images.h"
#include "platform/Input.h"

namespace {
constexpr int KEY_X = 88;
}

class EntryTest : public HeadlessTest {
protected:
    EntryTest() {
        backend.SetTime(2000);
        StartUp();
        backend.ClearOps();
        screen = std::make_shared<TestScreen>("Intro");
        game->AddScreenToStack(screen);
    }

    std::shared_ptr<TestScreen> screen;
};

TEST_F(EntryTest, StartUpConfiguresTheGame) {
    EXPECT_EQ(AppTitle(), "Brindlewick V1.0");
    EXPECT_EQ(game->frameRate, 200.0f);
    EXPECT_EQ(game->msPerFrame, 5.0f);
    EXPECT_EQ(game->useFixedRateLogic, 1);
    EXPECT_EQ(game->useRemainderDelta, 1);
    EXPECT_EQ(game->debugPanelY, 100);
    EXPECT_EQ(game->music, 1);
    EXPECT_EQ(game->lastTime, 2000);
    // The display opens full screen, titled, after the game is configured.
    ASSERT_TRUE(renderer);
    EXPECT_EQ(renderer->fullScreen, 1);
    EXPECT_EQ(backend.DisplayDepth(), 32);
    EXPECT_EQ(backend.Title(), "Brindlewick V1.0");
    ASSERT_TRUE(imageBank);
    EXPECT_EQ(imageBank->path, "Data/Images/");
}

TEST_F(EntryTest, APassRunsLogicDrawsReadsBackFlipsAndSleeps) {
    backend.AdvanceTime(16);
    int presentsBefore = backend.PresentCount();
    EXPECT_TRUE(MainLoopPass());
    EXPECT_EQ(screen->deltas.size(), 4u);
    EXPECT_EQ(screen->draws, 1);
    EXPECT_EQ(backend.PresentCount(), presentsBefore + 1);
    EXPECT_EQ(MilliSecs(), 2017); // the 1 ms sleep
}

TEST_F(EntryTest, TheFirstPassAfterALongLoadRunsAtMostTwentySteps) {
    backend.AdvanceTime(5000);
    MainLoopPass();
    EXPECT_EQ(screen->deltas.size(), 21u);
}

TEST_F(EntryTest, AQuitRequestEndsThePassBeforeDrawing) {
    backend.QueueQuit();
    EXPECT_FALSE(MainLoopPass());
    EXPECT_EQ(screen->draws, 0);
    EXPECT_TRUE(backend.Ops().empty());
}

TEST_F(EntryTest, QuitChordNeedsCtrlAndConsumesX) {
    struct Case {
        const char* what;
        int held;
        bool quits;
    };
    const Case cases[] = {{"X alone", 0, false},
                          {"left Ctrl+X", Key::LCONTROL, true},
                          {"right Ctrl+X", Key::RCONTROL, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FlushKeys();
        if (c.held) {
            backend.QueueKeyDown(c.held);
        }
        backend.QueueKeyPress(KEY_X);
        EXPECT_EQ(QuitChordPressed(), c.quits);
        EXPECT_EQ(KeyHit(KEY_X), 0);
    }
}

TEST_F(EntryTest, MainLoopRunsUntilCtrlX) {
    // Ctrl held, then X pressed a quarter second into the run.
    backend.QueueKeyDown(Key::LCONTROL, 2100);
    backend.QueueKeyPress(KEY_X, 2250);
    int passes = 0;
    backend.onPresent = [&](THeadlessBackend& b) {
        ++passes;
        b.AdvanceTime(15); // a 16 ms frame with the loop's own 1 ms sleep
    };
    RunMainLoop();
    EXPECT_GE(MilliSecs(), 2250);
    EXPECT_LT(MilliSecs(), 2270);
    EXPECT_EQ(screen->draws, passes);
    // 200 steps a second: whole and fractional steps add up to about 50 in a
    // quarter second.
    float steps = 0.0f;
    for (float d : screen->deltas) {
        steps += d;
    }
    EXPECT_NEAR(steps, 50.0f, 3.5f);
}

TEST_F(EntryTest, EscapeSetsEndGameAndTheLoopEnds) {
    screen->onLogic = [](TestScreen&) {
        if (KeyHit(Key::ESCAPE)) {
            game->endGame = 1;
        }
    };
    backend.QueueKeyPress(Key::ESCAPE, 2100);
    backend.onPresent = [](THeadlessBackend& b) { b.AdvanceTime(15); };
    RunMainLoop();
    EXPECT_GE(MilliSecs(), 2100);
    EXPECT_LT(MilliSecs(), 2120);
}

TEST(EntryDeathTest, FinishEndsTheProgramSuccessfully) {
    EXPECT_EXIT(Finish(), ::testing::ExitedWithCode(0), "");
}

TEST(EntryDeathTest, AMissingSharedImageStopsLoadingWithItsMessage) {
    TPlatform::Instance().UseHeadless();
    EXPECT_EXIT(
        {
            auto empty = std::filesystem::temp_directory_path() / "brindlewick_no_data";
            std::filesystem::create_directories(empty);
            std::filesystem::current_path(empty);
            StartUp();
            LoadData();
        },
        ::testing::ExitedWithCode(1), "Error loading anim image Data/Images/logo.png");
}

// Start-up's data loading on the generated data folder.
class LoadDataTest : public HeadlessTest {
protected:
    LoadDataTest() : data_(BRINDLEWICK_DATA_DIR) {}
    ~LoadDataTest() override { std::filesystem::current_path(previous_); }

    bool HaveData() const { return std::filesystem::exists(data_ / "Data" / "Images"); }

    std::filesystem::path data_;
    std::filesystem::path previous_ = std::filesystem::current_path();
};

TEST_F(LoadDataTest, LoadsTheFontAndTheSharedImagesWithTheirCells) {
    if (!HaveData()) {
        GTEST_SKIP() << "no generated data folder";
    }
    std::filesystem::current_path(data_);
    StartUp();
    LoadData();
    ASSERT_TRUE(mainFont);
    EXPECT_EQ(imageBank->Count(), 21);
    struct Case {
        const char* name;
        int w, h, cells, mid;
    };
    const Case cases[] = {{"logo", 824, 323, 16, 0},
                          {"player", 140, 123, 8, 1},
                          {"Alien2", 168, 100, 20, 1},
                          {"background", 1024, 768, 1, 0},
                          {"turretwhite", 80, 72, 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto image = imageBank->Find(c.name);
        EXPECT_EQ(image->w, c.w);
        EXPECT_EQ(image->h, c.h);
        EXPECT_EQ(CountFrames(image->image), c.cells);
        EXPECT_EQ(image->midHandled, c.mid);
    }
}

TEST_F(LoadDataTest, WithoutTheFontTheGameRunsOnTheBuiltInOne) {
    if (!HaveData()) {
        GTEST_SKIP() << "no generated data folder";
    }
    // A data folder with every picture but no font.
    auto folder = std::filesystem::temp_directory_path() / "brindlewick_no_font";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "Data");
    std::filesystem::create_directory_symlink(data_ / "Data" / "Images",
                                              folder / "Data" / "Images");
    std::filesystem::current_path(folder);
    StartUp();
    LoadData();
    EXPECT_EQ(mainFont, nullptr);
    auto screen = std::make_shared<TestScreen>("Title");
    game->AddScreenToStack(screen);
    backend.AdvanceTime(16);
    EXPECT_TRUE(MainLoopPass());
    EXPECT_EQ(screen->draws, 1);
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder);
}
