#include "RealDisplayTest.h"

#include <gmock/gmock.h>

#include "PngFixture.h"
#include "common/Common.h"
#include "platform/Fonts.h"
#include "platform/Images.h"
#include "platform/Input.h"

namespace {

constexpr uint32_t RED = 0xffff0000u;
constexpr uint32_t GREEN = 0xff00ff00u;
constexpr uint32_t WHITE = 0xffffffffu;

TImagePtr SolidImage(int width, int height, uint32_t argb, int flags = 0) {
    auto image = CreateImage(width, height, 1, flags);
    LockImage(image)->Fill(argb);
    UnlockImage(image);
    return image;
}

// Left half red, right half green.
TImagePtr HalvesImage(int width, int height) {
    auto image = CreateImage(width, height, 1, 0);
    auto pixels = LockImage(image);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels->WritePixel(x, y, x < width / 2 ? RED : GREEN);
        }
    }
    UnlockImage(image);
    return image;
}

// The columns of a row of the screen that have anything drawn on them.
std::pair<int, int> InkColumns(const TPixmap& block) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < block.Width(); ++x) {
        for (int y = 0; y < block.Height(); ++y) {
            if ((block.ReadPixel(x, y) & 0xffffffu) != 0) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

} // namespace

TEST_F(RealDisplayTest, AMidHandledImageLandsCentredOnItsPosition) {
    auto image = SolidImage(10, 6, RED);
    MidHandleImage(image);
    DrawImage(image, 100, 50);
    auto block = GrabPixmap(90, 40, 20, 20);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 5 && x < 15 && y >= 7 && y < 13; // 95..104, 47..52
            EXPECT_EQ(block->ReadPixel(x, y), inside ? RED : 0xff000000u) << x << "," << y;
        }
    }
}

TEST_F(RealDisplayTest, TintAndAlphaBlendOverWhatIsThere) {
    struct Case {
        int r, g, b;
        float alpha;
        Rgb expected; // over a blue background
    };
    const Case cases[] = {
        {255, 128, 0, 1.0f, {255, 128, 0}},
        {255, 0, 0, 0.25f, {64, 0, 191}},
        {255, 255, 255, 0.5f, {128, 128, 255}},
        {255, 0, 0, 2.0f, {255, 0, 0}},   // above 1 draws as 1
        {300, -20, 0, 1.0f, {255, 0, 0}}, // colours are kept to 0..255
        {255, 0, 0, 0.0f, {0, 0, 255}},
    };
    auto white = SolidImage(4, 4, WHITE);
    SetClsColor(0, 0, 255);
    Cls();
    int x = 10;
    for (const auto& c : cases) {
        SetColor(c.r, c.g, c.b);
        SetAlpha(c.alpha);
        DrawImage(white, static_cast<float>(x), 10);
        DrawRect(static_cast<float>(x), 20, 4, 4);
        x += 10;
    }
    x = 10;
    for (const auto& c : cases) {
        EXPECT_THAT(Pixel(x + 1, 11), NearColour(c.expected, 2)) << "image at " << x;
        EXPECT_THAT(Pixel(x + 1, 21), NearColour(c.expected, 2)) << "rect at " << x;
        x += 10;
    }
}

TEST_F(RealDisplayTest, ScaleAndRotationTurnTheImageClockwiseAboutItsHandle) {
    auto image = HalvesImage(20, 10);
    MidHandleImage(image);
    SetScale(2.0f, 1.0f);
    SetRotation(90.0f);
    DrawImage(image, 200, 200);
    // 40 long (scaled) now running down, 10 wide across; the right half points down.
    EXPECT_EQ(Pixel(200, 185), RED);
    EXPECT_EQ(Pixel(200, 215), GREEN);
    EXPECT_EQ(Pixel(196, 182), RED);
    EXPECT_EQ(Pixel(203, 218), GREEN);
    EXPECT_FALSE(Lit(200, 178));
    EXPECT_FALSE(Lit(200, 222));
    EXPECT_FALSE(Lit(193, 200));
    EXPECT_FALSE(Lit(207, 200));
}

TEST_F(RealDisplayTest, RectanglesAndOutlinesCoverExactlyTheirPixels) {
    DrawRect(10, 20, 5, 3);
    // Half alpha shows any pixel the outline's lines draw twice.
    SetAlpha(0.5f);
    ccDrawRectOutline(50, 20, 6, 4);
    SetAlpha(1.0f);
    auto block = GrabPixmap(0, 10, 70, 20);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 70; ++x) {
            const int sy = y + 10;
            const bool inRect = x >= 10 && x < 15 && sy >= 20 && sy < 23;
            const bool inBox = x >= 50 && x < 56 && sy >= 20 && sy < 24;
            const bool onBorder = inBox && (x == 50 || x == 55 || sy == 20 || sy == 23);
            const int expected = inRect ? 255 : onBorder ? 128 : 0;
            EXPECT_THAT(block->ReadPixel(x, y), NearColour((Rgb{expected, expected, expected}), 1))
                << x << "," << sy;
        }
    }
}

TEST_F(RealDisplayTest, LinesLeaveOutTheirLastPixelWhenAsked) {
    DrawLine(10, 100, 19, 100, 1);
    DrawLine(10, 110, 19, 110, 0);
    DrawLine(30, 100, 30, 104, 0);
    DrawLine(40, 100, 40, 100, 1); // a single point
    for (int x = 8; x <= 21; ++x) {
        EXPECT_EQ(Lit(x, 100), x >= 10 && x <= 19) << x;
        EXPECT_EQ(Lit(x, 110), x >= 10 && x <= 18) << x;
    }
    for (int y = 98; y <= 106; ++y) {
        EXPECT_EQ(Lit(30, y), y >= 100 && y <= 103) << y;
    }
    EXPECT_TRUE(Lit(40, 100));
    EXPECT_FALSE(Lit(41, 100));
}

TEST_F(RealDisplayTest, MaskedImagesShowThroughTheirBlackAndFilterWithoutDarkEdges) {
    TempFolder folder("brindlewick_real_mask");
    // A red square on black.
    std::vector<uint32_t> pixels(8 * 8, 0xff000000u);
    for (int y = 2; y < 6; ++y) {
        for (int x = 2; x < 6; ++x) {
            pixels[y * 8 + x] = RED;
        }
    }
    ASSERT_TRUE(WritePng(folder.File("square.png"), 8, 8, pixels));
    auto masked = LoadImage(folder.File("square.png"), -1);
    auto plain = LoadImage(folder.File("square.png"), 0);
    ASSERT_NE(masked, nullptr);
    SetClsColor(255, 255, 255);
    Cls();
    DrawImage(masked, 100, 100);
    DrawImage(plain, 120, 100);
    EXPECT_EQ(Pixel(100, 100), WHITE);
    EXPECT_EQ(Pixel(103, 103), RED);
    EXPECT_EQ(Pixel(120, 100), 0xff000000u);

    // Scaled up and filtered, the soft edge runs from red to white, never darker.
    SetScale(8.0f, 8.0f);
    DrawImage(masked, 300, 300);
    SetScale(1.0f, 1.0f);
    auto block = GrabPixmap(300, 300, 64, 64);
    int soft = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const Rgb c = Rgb::Of(block->ReadPixel(x, y));
            EXPECT_GE(c.r, 250) << x << "," << y;
            soft += c.g > 5 && c.g < 250 ? 1 : 0;
        }
    }
    EXPECT_GT(soft, 0); // filtered, not blocky
}

TEST_F(RealDisplayTest, TextIsAsWideAsTextWidthSays) {
    auto font = LoadImageFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 20, 4);
    ASSERT_NE(font, nullptr);
    for (const auto& chosen : {font, TImageFontPtr{}}) {
        Cls();
        SetImageFont(chosen);
        const std::string text = "Wavy Text";
        const int width = TextWidth(text);
        DrawText(text, 100, 100);
        DrawText(text + text, 100, 200);
        const auto once = InkColumns(*GrabPixmap(0, 100, 1024, TextHeight(text)));
        const auto twice = InkColumns(*GrabPixmap(0, 200, 1024, TextHeight(text)));
        // The ink lies within the width, nearly fills it, and a second copy
        // starts exactly one width further on.
        EXPECT_GE(once.first, 100);
        EXPECT_LE(once.second, 100 + width);
        EXPECT_GT(once.second - once.first, width * 8 / 10);
        EXPECT_EQ(twice.first, once.first);
        EXPECT_EQ(twice.second, once.second + width);
    }
    SetImageFont(nullptr);
}

TEST_F(RealDisplayTest, ImagesSurviveReopeningTheDisplayAndShowPixelChanges) {
    auto image = SolidImage(4, 4, RED);
    DrawImage(image, 10, 10);
    ASSERT_EQ(Pixel(11, 11), RED);
    EndGraphics();
    ASSERT_EQ(Graphics(1024, 768, 0, 60, 0), 1) << backend->LastError();
    Cls();
    DrawImage(image, 10, 10);
    DrawText("A", 40, 10);
    EXPECT_EQ(Pixel(11, 11), RED);
    EXPECT_TRUE(InkColumns(*GrabPixmap(40, 10, 20, 20)).first >= 0);

    LockImage(image)->Fill(GREEN);
    UnlockImage(image);
    DrawImage(image, 10, 10);
    EXPECT_EQ(Pixel(11, 11), GREEN);
}

TEST_F(RealDisplayTest, SmallPicturesShareATextureAndGoOutTogetherInCallOrder) {
    auto red = SolidImage(8, 8, RED);
    auto green = SolidImage(8, 8, GREEN);
    auto big = SolidImage(600, 600, WHITE); // too large to share a page
    DrawImage(red, 10, 10);
    DrawRect(30, 10, 8, 8); // plain quads join any run
    DrawImage(red, 50, 10);
    DrawImage(green, 10, 10); // over the first red one
    DrawImage(green, 70, 10);
    DrawImage(red, 70, 10); // and back over the green one
    DrawImage(big, 0, 100);
    DrawImage(green, 90, 10);
    Flip(0);
    EXPECT_EQ(backend->Renderer()->LastFrameDrawCalls(), 3);
    EXPECT_EQ(Pixel(12, 12), GREEN);
    EXPECT_EQ(Pixel(72, 12), RED);
    EXPECT_EQ(Pixel(92, 12), GREEN);
    EXPECT_EQ(Pixel(300, 300), WHITE);
}

TEST_F(RealDisplayTest, SystemEventsReachTheGameAsKeysCharactersAndQuit) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_z;
    event.key.keysym.scancode = SDL_SCANCODE_Z;
    SDL_PushEvent(&event);
    event = SDL_Event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
    EXPECT_EQ(KeyHit(90), 1);
    EXPECT_EQ(AppTerminate(), 1);
    EXPECT_EQ(AppTerminate(), 0);
}

TEST(RealDisplayDeathTest, ADisplayThatCannotOpenEndsTheProgramWithAReason) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
            TPlatform::Instance().SetBackend(std::make_unique<TSdlBackend>());
            GraphicsOrExit(1024, 768, 0, 60, 0);
        },
        ::testing::ExitedWithCode(1), "cannot open its display \\(1024x768 window\\): .+");
}

TEST_F(RealDisplayTest, FullScreenKeepsTheLogicalScreenAndItsPixels) {
    EndGraphics();
    ASSERT_EQ(Graphics(1024, 768, 32, 60, 0), 1) << backend->LastError();
    EXPECT_TRUE(SDL_GetWindowFlags(backend->Window()) & SDL_WINDOW_FULLSCREEN_DESKTOP);
    Cls();
    DrawRect(1020, 764, 4, 4);
    Flip(1);
    EXPECT_EQ(GrabPixmap(1023, 767, 1, 1)->ReadPixel(0, 0), 0xffffffffu);
    // Off the logical screen there is nothing to read.
    EXPECT_EQ(GrabPixmap(1023, 767, 2, 2)->ReadPixel(1, 1), 0u);
}

TEST_F(RealDisplayTest, AWindowMayBeResizedAndAFullScreenNot) {
    const Uint32 windowed = SDL_GetWindowFlags(backend->Window());
    EXPECT_TRUE(windowed & SDL_WINDOW_RESIZABLE);
    EXPECT_TRUE(windowed & SDL_WINDOW_ALLOW_HIGHDPI);
    EndGraphics();
    ASSERT_EQ(Graphics(1024, 768, 32, 60, 0), 1) << backend->LastError();
    const Uint32 full = SDL_GetWindowFlags(backend->Window());
    EXPECT_FALSE(full & SDL_WINDOW_RESIZABLE);
    EXPECT_TRUE(full & SDL_WINDOW_ALLOW_HIGHDPI);
}

TEST_F(RealDisplayTest, AHiddenWindowWaitsForEventsInsteadOfDrawingAndMissesNone) {
    Flip(1);
    EXPECT_EQ(backend->IdleFrames(), 0);
    SDL_HideWindow(backend->Window());
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_z;
    event.key.keysym.scancode = SDL_SCANCODE_Z;
    SDL_PushEvent(&event);
    Flip(1);
    EXPECT_EQ(backend->IdleFrames(), 1);
    EXPECT_EQ(KeyHit(90), 1) << "the event waited for reaches the game";
    DrawRect(10, 10, 4, 4);
    EXPECT_FALSE(Lit(11, 11)) << "a frame nobody sees is not drawn";
    SDL_ShowWindow(backend->Window());
    Flip(1);
    EXPECT_EQ(backend->IdleFrames(), 1);
    DrawRect(10, 10, 4, 4);
    EXPECT_TRUE(Lit(11, 11));
}

namespace {

// A pad made in software, plugged in and unplugged as a real one would be.
class TVirtualPad {
public:
    TVirtualPad() {
        // Pads are heard only while a window of ours has the keyboard, which
        // an off-screen window never has.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        // Our own hold on the pad subsystem, so the pad outlives any backend.
        SDL_InitSubSystem(SDL_INIT_JOYSTICK);
        device_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                            SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
        if (device_ >= 0) {
            joystick_ = SDL_JoystickOpen(device_);
        }
    }
    ~TVirtualPad() {
        Unplug();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        SDL_ResetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS);
    }
    TVirtualPad(const TVirtualPad&) = delete;
    TVirtualPad& operator=(const TVirtualPad&) = delete;

    bool Plugged() const { return joystick_ != nullptr; }
    void Button(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
    }
    void Axis(SDL_GameControllerAxis axis, Sint16 value) {
        SDL_JoystickSetVirtualAxis(joystick_, axis, value);
    }
    void Unplug() {
        if (joystick_) {
            SDL_JoystickClose(joystick_);
            joystick_ = nullptr;
            SDL_JoystickDetachVirtual(device_);
        }
    }

private:
    int device_ = -1;
    SDL_Joystick* joystick_ = nullptr;
};

} // namespace

TEST_F(RealDisplayTest, APadPluggedInDuringPlayPressesKeysUntilUnplugged) {
    TVirtualPad pad;
    ASSERT_TRUE(pad.Plugged()) << SDL_GetError();
    EXPECT_EQ(KeyDown(90), 0); // takes in the news of the pad
    EXPECT_EQ(backend->OpenPads(), 1);
    pad.Button(SDL_CONTROLLER_BUTTON_A, true);
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, -30000);
    EXPECT_EQ(KeyHit(90), 1);
    EXPECT_EQ(KeyDown(90), 1);
    EXPECT_EQ(KeyDown(Key::LEFT), 1);
    pad.Unplug();
    EXPECT_EQ(KeyDown(90), 0);
    EXPECT_EQ(KeyDown(Key::LEFT), 0);
    EXPECT_EQ(backend->OpenPads(), 0);
}

TEST_F(RealDisplayTest, APadPluggedInBeforeTheStartIsOpenedWithTheDisplay) {
    TVirtualPad pad;
    ASSERT_TRUE(pad.Plugged()) << SDL_GetError();
    auto fresh = std::make_unique<TSdlBackend>();
    backend = fresh.get();
    TPlatform::Instance().SetBackend(std::move(fresh));
    ASSERT_EQ(Graphics(1024, 768, 0, 60, 0), 1) << backend->LastError();
    EXPECT_EQ(backend->OpenPads(), 1); // before any event is read
    pad.Button(SDL_CONTROLLER_BUTTON_START, true);
    EXPECT_EQ(KeyHit(Key::SPACE), 1);
    EXPECT_EQ(backend->OpenPads(), 1) << "announced again, opened once";
}
