#include "gameplay/GameplayTestBase.h"

#include <cmath>

#include "core/Entry.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Sound.h"
#include "screens/TCreditsScreen.h"
#include "screens/TGameOverScreen.h"
#include "screens/THUD.h"
#include "screens/TIntroScreen.h"
#include "screens/TLevelCompleteScreen.h"
#include "screens/TMapScreen.h"
#include "screens/TTitleScreen.h"
#include "text/TLabel.h"

namespace {
constexpr int KEY_C = 67;

std::vector<std::string> ColumnTexts(const TLabelColumn& column) {
    std::vector<std::string> texts;
    for (const auto& object : column) {
        texts.push_back(As<TLabel>(object)->text);
    }
    return texts;
}
} // namespace

class ScreensTest : public GameplayTestBase {
protected:
    ScreensTest() {
        mainFont = std::make_shared<TImageFont>(64, 30);
        auto data = std::string(BRINDLEWICK_DATA_DIR) + "/Data/";
        if (std::filesystem::exists(data)) {
            recording->musicPath = data + "Music/";
            recording->dataPath = data;
            recording->imagePath = data + "Images/";
        }
    }

    // Makes screen current the way the game does after the first screen.
    template <class T> std::shared_ptr<T> Show(std::shared_ptr<T> screen) {
        if (!game->currentScreen) {
            game->AddScreenToStack(screen);
        } else {
            game->ChangeScreen(screen);
        }
        return screen;
    }

    // One logic step of the game object (game-wide keys, renderer, screen).
    int Step() { return game->LogicWrapper(); }

    std::string Current() const { return game->currentScreen->name; }
};

TEST_F(ScreensTest, IntroFadesInAndOutAndEndsOnItsOwn) {
    auto intro = Show(TIntroScreen::Create());
    EXPECT_EQ(intro->LENGTH, 600);
    struct Frame {
        int counter;
        float alpha;
    };
    const Frame frames[] = {{0, 0.0f}, {100, 0.5f}, {200, 1.0f}, {400, 1.0f}, {500, 0.5f}};
    for (const auto& f : frames) {
        intro->counter = f.counter;
        backend.ClearOps();
        intro->Draw();
        auto images = OpsOfKind(TDrawKind::Image);
        if (intro->splash) {
            ASSERT_EQ(images.size(), 1u);
            EXPECT_FLOAT_EQ(images[0].state.alpha, f.alpha) << f.counter;
        }
        EXPECT_EQ(GetAlpha(), 1.0f);
    }
    intro->counter = 0;
    for (int step = 1; step < 600; ++step) {
        Step();
    }
    EXPECT_EQ(Current(), "Intro");
    Step();
    EXPECT_EQ(Current(), "Title");
}

TEST_F(ScreensTest, IntroSkipsOnSpaceEnterOrAClickAndQuitsOnEscape) {
    struct Case {
        const char* what;
        int key;
        int button;
        const char* next;
        int endGame;
    };
    const Case cases[] = {{"Space", Key::SPACE, 0, "Title", 0},
                          {"Enter", Key::ENTER, 0, "Title", 0},
                          {"a right click", 0, 2, "Title", 0},
                          {"Esc", Key::ESCAPE, 0, "Intro", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        game->screenStack->Clear();
        game->currentScreen.reset();
        game->endGame = 0;
        auto intro = Show(TIntroScreen::Create());
        if (c.key) {
            backend.QueueKeyPress(c.key);
        } else {
            backend.QueueMouseDown(c.button);
        }
        EXPECT_EQ(Step(), c.endGame);
        EXPECT_EQ(Current(), c.next);
        if (c.endGame == 0 && intro->introChannel) {
            EXPECT_EQ(ChannelPlaying(intro->introChannel), 0); // the jingle is cut
        }
    }
}

TEST_F(ScreensTest, TitleStartsItsMusicUnlessBackFromTheCredits) {
    Show(TTitleScreen::Create());
    auto firstTrack = game->currentMusic;
    backend.QueueKeyPress(KEY_C);
    Step();
    EXPECT_EQ(Current(), "Credits");
    auto trackChannel = game->musicChannel;
    backend.QueueKeyPress(Key::ESCAPE); // back, not out
    EXPECT_EQ(Step(), 0);
    EXPECT_EQ(Current(), "Title");
    EXPECT_EQ(game->musicChannel, trackChannel); // the music went on

    backend.QueueKeyPress(Key::SPACE);
    auto oldProfile = profile;
    Step();
    EXPECT_EQ(Current(), "Map");
    EXPECT_NE(profile, oldProfile);
    backend.QueueKeyPress(Key::ESCAPE);
    Step();
    EXPECT_EQ(Current(), "Title");
    if (game->musicChannel) {
        EXPECT_NE(game->musicChannel, trackChannel); // started afresh
    }
    (void)firstTrack;
}

TEST_F(ScreensTest, TitleLogoRestsThenMayPlayAgainOnlyAfterItsDelay) {
    auto title = Show(TTitleScreen::Create());
    EXPECT_EQ(title->logoAnimCounter, 100.0f);
    auto frameDrawn = [&]() {
        backend.ClearOps();
        title->Draw();
        for (const auto& op : OpsOfKind(TDrawKind::Image)) {
            if (op.image == imageBank->Find("logo")->image) {
                EXPECT_EQ(op.x, 100.0f);
                EXPECT_EQ(op.y, 30.0f);
                return op.frame;
            }
        }
        return -1;
    };
    EXPECT_EQ(frameDrawn(), 0);
    for (int step = 1; step <= 100; ++step) {
        Step();
    }
    EXPECT_EQ(frameDrawn(), 15);
    for (int step = 101; step < 400; ++step) {
        Step();
        ASSERT_EQ(title->logoAnimCounter, 0.0f) << step;
    }
}

TEST_F(ScreensTest, TitlePromptsInTheirColoursOnTheirRows) {
    auto title = Show(TTitleScreen::Create());
    backend.ClearOps();
    title->Draw();
    struct Prompt {
        const char* text;
        float y;
        int r, g, b;
    };
    const Prompt prompts[] = {{"Press <Space> to Play", 618.0f, 100, 230, 100},
                              {"Press <C> for credits", 666.0f, 230, 100, 230},
                              {"Press <Esc> to Exit", 714.0f, 255, 255, 0}};
    for (const auto& p : prompts) {
        int found = 0;
        for (const auto& op : OpsOfKind(TDrawKind::Text)) {
            if (op.text == p.text && op.y == p.y && op.state.r == p.r && op.state.g == p.g &&
                op.state.b == p.b) {
                ++found;
                EXPECT_EQ(op.state.scaleX, 0.5f);
            }
        }
        EXPECT_EQ(found, 1) << p.text;
    }
}

TEST_F(ScreensTest, CreditsListFiveHeadingsEachWithOneLine) {
    auto credits = Show(TCreditsScreen::Create());
    backend.ClearOps();
    credits->Draw();
    std::vector<float> headingRows;
    std::vector<float> nameRows;
    for (const auto& op : OpsOfKind(TDrawKind::Text)) {
        if (op.state.r == 100 && op.state.g == 255 && op.state.b == 100) {
            headingRows.push_back(op.y);
        } else if (op.state.r == 100 && op.state.g == 255 && op.state.b == 255) {
            nameRows.push_back(op.y);
        }
    }
    EXPECT_EQ(headingRows, (std::vector<float>{304, 376, 448, 520, 592}));
    EXPECT_EQ(nameRows, (std::vector<float>{334, 406, 478, 550, 622}));
}

TEST_F(ScreensTest, InstructionsStartOnlyOnSpaceOrAClick) {
    profile = TProfile::Create();
    auto map = Show(TMapScreen::Create());
    backend.QueueKeyPress(Key::ENTER);
    Step();
    EXPECT_EQ(Current(), "Map");
    // The gear turns a frame every ten steps.
    map->animCounter = 0.0f;
    const std::pair<float, int> gear[] = {{9.9f, 0}, {10.0f, 1}, {39.0f, 3}, {49.9f, 4}};
    for (auto [counter, frame] : gear) {
        map->animCounter = counter;
        backend.ClearOps();
        map->Draw();
        if (map->bgImage) {
            EXPECT_EQ(OpsOfKind(TDrawKind::Image).at(0).frame, frame) << counter;
        }
    }
    map->animCounter = 49.5f;
    Step();
    EXPECT_NEAR(map->animCounter, 0.5f, 1e-5);

    backend.QueueKeyPress(Key::SPACE);
    Step();
    EXPECT_EQ(Current(), "Game");
    EXPECT_EQ(gameScreen, game->currentScreen);
    EXPECT_TRUE(level);
    EXPECT_TRUE(player);
    EXPECT_TRUE(HUD);
}

TEST_F(ScreensTest, LevelCompleteShowsTheTimeLeftAndPaysTheBonus) {
    struct Case {
        float stepsLeft;
        const char* timeRow;
        const char* bonusRow;
        int bonus;
    };
    const Case cases[] = {{4567.0f, "22.83 secs", "+ 44 points", 44},
                          {1100.0f, "5.500 secs", "+ 10 points", 10},
                          {80.0f, "0.400 secs", "+ 0 points", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.timeRow);
        profile = TProfile::Create();
        profile->score = 250;
        StartLevel();
        level->timeLeft = c.stepsLeft;
        auto screen = TLevelCompleteScreen::Create();
        EXPECT_EQ(ColumnTexts(*screen->numColumn),
                  (std::vector<std::string>{"00250", c.timeRow, c.bonusRow}));
        EXPECT_EQ(ColumnTexts(*screen->statColumn),
                  (std::vector<std::string>{"Current Score:", "Time Left:", "Time Bonus:"}));
        Show(screen);
        backend.QueueKeyPress(Key::ENTER); // a plain Enter reaches the screen
        Step();
        EXPECT_EQ(profile->score, 250 + c.bonus);
        EXPECT_EQ(profile->level, 2);
        EXPECT_EQ(Current(), "Game");
        EXPECT_EQ(player->goal, 15);
    }
}

TEST_F(ScreensTest, LevelCompleteHeadingNamesTheLevelJustWon) {
    StartLevel();
    auto screen = Show(TLevelCompleteScreen::Create());
    backend.ClearOps();
    screen->Draw();
    bool heading = false;
    for (const auto& op : OpsOfKind(TDrawKind::Text)) {
        heading = heading || (op.text == "Level 1 Complete!" && op.y == 84.0f);
    }
    EXPECT_TRUE(heading);
}

TEST_F(ScreensTest, GameOverShowsTheFinalScoreAndLevelAndGoesBackToTheTitle) {
    const std::pair<int, const char*> scores[] = {{0, "00000"}, {1234567, "1234567"}};
    for (auto [score, shown] : scores) {
        profile->score = score;
        profile->level = 3;
        auto screen = TGameOverScreen::Create();
        EXPECT_EQ(ColumnTexts(*screen->numColumn), (std::vector<std::string>{shown, "3"}));
    }
    Show(TGameOverScreen::Create());
    backend.QueueKeyPress(Key::ESCAPE);
    EXPECT_EQ(Step(), 0);
    EXPECT_EQ(Current(), "Title");
}

TEST_F(ScreensTest, EscapeDuringPlayGoesBackToTheTitleKeepingTheProfile) {
    auto run = TProfile::Create();
    profile = run;
    Show(TGameScreen::Create());
    backend.QueueKeyPress(Key::ESCAPE);
    Step();
    EXPECT_EQ(Current(), "Title");
    EXPECT_EQ(profile, run);
}

TEST_F(ScreensTest, KeysPressedBeforeTheLevelDoNotReachIt) {
    backend.QueueKeyDown(90); // Z held while the level is being made
    KeyDown(90);
    Show(TGameScreen::Create());
    Step();
    EXPECT_EQ(level->bulletList->Count(), 0);
}

TEST_F(ScreensTest, AWholeRunFromTheSplashToGameOverAndBack) {
    game->debugPanelY = 100;
    Show(TIntroScreen::Create());
    backend.onPresent = [](THeadlessBackend& b) { b.AdvanceTime(15); };
    auto runFrames = [&](int frames) {
        for (int i = 0; i < frames; ++i) {
            ASSERT_TRUE(MainLoopPass());
        }
    };
    const char* path[] = {"Title", "Map", "Game"};
    for (const char* next : path) {
        backend.QueueKeyPress(Key::SPACE);
        runFrames(2);
        EXPECT_EQ(Current(), next);
    }
    // Fly right while firing for a second.
    backend.QueueKeyDown(Key::RIGHT);
    backend.QueueKeyDown(90);
    runFrames(60);
    EXPECT_GT(player->x, 512.0f);
    backend.QueueKeyUp(Key::RIGHT);
    backend.QueueKeyUp(90);
    // Win the level: the kills reach the goal.
    player->kills = player->goal;
    runFrames(90); // past the 250-step success sequence
    ASSERT_EQ(Current(), "Level Complete");
    int bonus = static_cast<int>(std::floor(level->timeLeft / 200.0f)) * 2;
    int scoreBefore = profile->score;
    backend.QueueKeyPress(Key::SPACE);
    runFrames(2);
    ASSERT_EQ(Current(), "Game");
    EXPECT_EQ(profile->level, 2);
    EXPECT_EQ(profile->score, scoreBefore + bonus);
    EXPECT_GT(bonus, 0);
    EXPECT_EQ(player->goal, 15);
    // Lose every life to the clock.
    for (int life = 3; life >= 1; --life) {
        ASSERT_EQ(Current(), "Game");
        level->timeLeft = 1.0f;
        runFrames(110); // past the 320-step death sequence
        EXPECT_EQ(profile->lives, life - 1);
    }
    EXPECT_EQ(Current(), "Game Over");
    backend.QueueKeyPress(Key::SPACE);
    runFrames(2);
    EXPECT_EQ(Current(), "Title");
    backend.QueueKeyPress(Key::ESCAPE);
    EXPECT_FALSE(MainLoopPass());
}
