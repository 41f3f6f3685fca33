#include "HeadlessTest.h"

#include "core/TestScreen.h"
#include "display/TRenderer.h"
#include "platform/Fonts.h"
#include "platform/Graphics.h"
#include "platform/Input.h"

namespace {
constexpr int KEY_F = 70;
}

class RendererTest : public HeadlessTest {
protected:
    RendererTest() {
        renderer = std::make_shared<TRenderer>();
        renderer->SetFullScreen(1);
    }
    ~RendererTest() override { renderer.reset(); }

    // Presses key while the held keys are down (they stay down).
    void Press(std::initializer_list<int> held, int key) {
        for (int k : held) {
            backend.QueueKeyDown(k);
        }
        backend.QueueKeyPress(key);
    }
};

TEST_F(RendererTest, StartsFullScreenAtTheGamesSize) {
    EXPECT_EQ(renderer->fullScreen, 1);
    EXPECT_EQ(renderer->bitDepth, 32);
    EXPECT_TRUE(backend.DisplayOpen());
    EXPECT_EQ(backend.DisplayDepth(), 32);
    EXPECT_EQ(renderer->screenWidth, 1024);
    EXPECT_EQ(renderer->screenHeight, 768);
}

TEST_F(RendererTest, FullScreenChordsSwitchTheDisplay) {
    struct Case {
        const char* what;
        std::initializer_list<int> held;
        int key;
        bool switches;
    };
    const Case cases[] = {
        {"left Ctrl+F", {Key::LCONTROL}, KEY_F, true},
        {"right Ctrl+F", {Key::RCONTROL}, KEY_F, true},
        {"left Alt+Enter", {Key::LALT}, Key::ENTER, true},
        {"right Alt+Enter", {Key::RALT}, Key::ENTER, true},
        {"F alone", {}, KEY_F, false},
        {"Enter alone", {}, Key::ENTER, false},
        {"Alt+F", {Key::LALT}, KEY_F, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        int before = renderer->fullScreen;
        int opens = backend.DisplayOpenCount();
        Press(c.held, c.key);
        renderer->Logic();
        EXPECT_EQ(renderer->fullScreen, c.switches ? 1 - before : before);
        EXPECT_EQ(backend.DisplayDepth(), renderer->fullScreen ? 32 : 0);
        EXPECT_EQ(backend.DisplayOpenCount(), opens + (c.switches ? 1 : 0));
        EXPECT_EQ(KeyHit(KEY_F), 0); // F is always taken
        FlushKeys();
    }
}

TEST_F(RendererTest, BothChordsInOneStepSwitchTwice) {
    backend.QueueKeyDown(Key::LCONTROL);
    backend.QueueKeyDown(Key::LALT);
    backend.QueueKeyPress(KEY_F);
    backend.QueueKeyPress(Key::ENTER);
    int opens = backend.DisplayOpenCount();
    renderer->Logic();
    // The first switch's flush drops the Enter of the same step, so only the
    // chord asked first switches; pressing it again switches back.
    EXPECT_EQ(backend.DisplayOpenCount(), opens + 1);
    EXPECT_EQ(renderer->fullScreen, 0);

    // Two switches re-open the display twice and end where they began.
    opens = backend.DisplayOpenCount();
    renderer->ToggleFullScreen();
    renderer->ToggleFullScreen();
    EXPECT_EQ(backend.DisplayOpenCount(), opens + 2);
    EXPECT_EQ(renderer->fullScreen, 0);
}

TEST_F(RendererTest, ASwitchDropsEarlierKeysAndClicks) {
    backend.QueueKeyPress(Key::SPACE);
    backend.QueueMouseDown(1);
    Press({Key::LCONTROL}, KEY_F);
    renderer->Logic();
    EXPECT_EQ(KeyHit(Key::SPACE), 0);
    EXPECT_EQ(MouseHit(1), 0);
}

TEST_F(RendererTest, AltEnterNeverReachesTheScreenButPlainEnterDoes) {
    game = TGame::Create();
    auto screen = std::make_shared<TestScreen>();
    int enters = 0;
    screen->onLogic = [&](TestScreen&) { enters += KeyHit(Key::ENTER); };
    game->AddScreenToStack(screen);

    Press({Key::LALT}, Key::ENTER);
    game->LogicWrapper();
    EXPECT_EQ(enters, 0);
    EXPECT_EQ(renderer->fullScreen, 0);

    Press({}, Key::ENTER);
    game->LogicWrapper();
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(renderer->fullScreen, 0);
}

TEST_F(RendererTest, PausedGameIgnoresTheFullScreenKeys) {
    game = TGame::Create();
    game->paused = 1;
    Press({Key::LCONTROL}, KEY_F);
    game->LogicWrapper();
    EXPECT_EQ(renderer->fullScreen, 1);
}

TEST_F(RendererTest, CentredTextPosition) {
    // A font whose every character is 10 pixels wide.
    auto font = std::make_shared<TImageFont>(20, 10);
    renderer->OutputTextCentered("", 100.0f, font, 1.0f, 1.0f, nullptr, nullptr);
    renderer->OutputTextCentered(std::string(30, 'a'), 100.0f, font, 0.5f, 0.5f, nullptr, nullptr);
    auto texts = OpsOfKind(TDrawKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].x, 512.0f);
    EXPECT_EQ(texts[1].x, 437.0f);
    EXPECT_EQ(texts[1].state.scaleX, 0.5f);
    EXPECT_EQ(texts[1].state.font, font);
}

TEST_F(RendererTest, OutputTextDrawsTheShadowFirstAndLeavesTheNeutralState) {
    auto font = std::make_shared<TImageFont>(20, 10);
    auto shadow = TShadow::Create(1.0f, 1.0f, 0.5f);
    auto red = TColor::Create(255, 0, 0, 1.0f);
    renderer->OutputText("Hi", 50.0f, 60.0f, font, 0.5f, 0.25f, red, shadow);
    auto texts = OpsOfKind(TDrawKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].x, 51.0f);
    EXPECT_EQ(texts[0].y, 61.0f);
    EXPECT_EQ(texts[0].state.r + texts[0].state.g + texts[0].state.b, 0);
    EXPECT_EQ(texts[0].state.alpha, 0.5f);
    EXPECT_EQ(texts[1].x, 50.0f);
    EXPECT_EQ(texts[1].state.r, 255);
    EXPECT_EQ(texts[1].state.g, 0);
    EXPECT_EQ(texts[1].state.alpha, 1.0f);
    EXPECT_EQ(texts[1].state.scaleY, 0.25f);

    int r = 0, g = 0, b = 0;
    GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 3 * 255);
    EXPECT_EQ(GetAlpha(), 1.0f);
    float sx = 0, sy = 0;
    GetScale(sx, sy);
    EXPECT_EQ(sx, 1.0f);
    EXPECT_EQ(sy, 1.0f);
    EXPECT_EQ(GetImageFont(), BuiltinFont());
}

TEST_F(RendererTest, WithoutAFontTheCurrentFontAndScaleAreUsed) {
    SetScale(2.0f, 2.0f);
    renderer->OutputText("Hi", 0.0f, 0.0f, nullptr, 0.5f, 0.5f, nullptr, nullptr);
    auto texts = OpsOfKind(TDrawKind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].state.scaleX, 2.0f);
}

TEST_F(RendererTest, ScaleAndScroll) {
    renderer->ResetScrolling();
    EXPECT_EQ(renderer->GetX(100.0f), 100.0f);
    renderer->SetGameScale(2.0f, 3.0f);
    renderer->CentreOnCoords(512.0f, 384.0f);
    EXPECT_EQ(renderer->scrollX, -512.0f);
    EXPECT_EQ(renderer->scrollY, -768.0f);
    // The point zoomed about stays where it was.
    EXPECT_EQ(renderer->GetX(512.0f), 512.0f);
    EXPECT_EQ(renderer->GetY(384.0f), 384.0f);
    renderer->TempScale(0.5f, 0.5f);
    float sx = 0, sy = 0;
    GetScale(sx, sy);
    EXPECT_EQ(sx, 1.0f);
    EXPECT_EQ(sy, 1.5f);
    renderer->RestoreScale();
    GetScale(sx, sy);
    EXPECT_EQ(sy, 1.0f);
    renderer->ResetScale();
    EXPECT_EQ(renderer->scaleX, 1.0f);
}

TEST_F(RendererTest, RandomPositionsKeepTheirMargin) {
    for (int i = 0; i < 500; ++i) {
        int x = renderer->GetRandX(100);
        int y = renderer->GetRandY(68);
        ASSERT_GE(x, 0);
        ASSERT_LE(x, 924);
        ASSERT_GE(y, 0);
        ASSERT_LE(y, 700);
    }
}
