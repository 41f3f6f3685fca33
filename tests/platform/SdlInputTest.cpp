#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/TInputState.h"
#include "platform/TLogicalScreen.h"
#include "platform/TSdlBackend.h"

namespace {

SDL_Event KeyEvent(Uint32 type, SDL_Keycode key, SDL_Scancode scancode, bool repeat = false) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = scancode;
    event.key.repeat = repeat ? 1 : 0;
    return event;
}

SDL_Event ButtonEvent(Uint32 type, Uint8 button, int x, int y) {
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event PadButtonEvent(Uint32 type, SDL_JoystickID pad, SDL_GameControllerButton button) {
    SDL_Event event{};
    event.type = type;
    event.cbutton.which = pad;
    event.cbutton.button = static_cast<Uint8>(button);
    return event;
}

SDL_Event PadAxisEvent(SDL_JoystickID pad, SDL_GameControllerAxis axis, Sint16 value) {
    SDL_Event event{};
    event.type = SDL_CONTROLLERAXISMOTION;
    event.caxis.which = pad;
    event.caxis.axis = static_cast<Uint8>(axis);
    event.caxis.value = value;
    return event;
}

SDL_Event PadRemovedEvent(SDL_JoystickID pad) {
    SDL_Event event{};
    event.type = SDL_CONTROLLERDEVICEREMOVED;
    event.cdevice.which = pad;
    return event;
}

} // namespace

class SdlInputTest : public ::testing::Test {
protected:
    void Feed(const SDL_Event& event) { backend.Translate(event, input); }

    TSdlBackend backend; // no display: events are translated as they come
    TInputState input;
};

TEST_F(SdlInputTest, KeysArriveAsWindowsKeyCodes) {
    struct Case {
        SDL_Keycode key;
        SDL_Scancode scancode;
        int code;
    };
    const Case cases[] = {
        {SDLK_RETURN, SDL_SCANCODE_RETURN, 13},
        {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 13},
        {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 27},
        {SDLK_SPACE, SDL_SCANCODE_SPACE, 32},
        {SDLK_LEFT, SDL_SCANCODE_LEFT, 37},
        {SDLK_UP, SDL_SCANCODE_UP, 38},
        {SDLK_RIGHT, SDL_SCANCODE_RIGHT, 39},
        {SDLK_DOWN, SDL_SCANCODE_DOWN, 40},
        {SDLK_a, SDL_SCANCODE_A, 65},
        {SDLK_z, SDL_SCANCODE_Z, 90},
        {SDLK_0, SDL_SCANCODE_0, 48},
        {SDLK_9, SDL_SCANCODE_9, 57},
        {SDLK_LCTRL, SDL_SCANCODE_LCTRL, 162},
        {SDLK_RCTRL, SDL_SCANCODE_RCTRL, 163},
        {SDLK_LALT, SDL_SCANCODE_LALT, 164},
        {SDLK_RALT, SDL_SCANCODE_RALT, 165},
        {SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, 160},
        {SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, 161},
        {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, 8},
        {SDLK_TAB, SDL_SCANCODE_TAB, 9},
        {SDLK_F1, SDL_SCANCODE_F1, 112},
        {SDLK_F12, SDL_SCANCODE_F12, 123},
        {SDLK_DELETE, SDL_SCANCODE_DELETE, 46},
        {SDLK_KP_5, SDL_SCANCODE_KP_5, 101},
        // A French keyboard: Z where a US one has W, and '&' on the 1 key.
        {SDLK_z, SDL_SCANCODE_W, 90},
        {SDLK_AMPERSAND, SDL_SCANCODE_1, 49},
    };
    for (const auto& c : cases) {
        Feed(KeyEvent(SDL_KEYDOWN, c.key, c.scancode));
        EXPECT_EQ(input.KeyHit(c.code), 1) << SDL_GetKeyName(c.key);
        EXPECT_EQ(input.KeyDown(c.code), 1) << SDL_GetKeyName(c.key);
        Feed(KeyEvent(SDL_KEYUP, c.key, c.scancode));
        EXPECT_EQ(input.KeyDown(c.code), 0) << SDL_GetKeyName(c.key);
    }
}

TEST_F(SdlInputTest, AutoRepeatIsNotANewHit) {
    Feed(KeyEvent(SDL_KEYDOWN, SDLK_x, SDL_SCANCODE_X));
    Feed(KeyEvent(SDL_KEYDOWN, SDLK_x, SDL_SCANCODE_X, true));
    Feed(KeyEvent(SDL_KEYDOWN, SDLK_x, SDL_SCANCODE_X, true));
    EXPECT_EQ(input.KeyHit(88), 1);
    EXPECT_EQ(input.KeyDown(88), 1);
}

TEST_F(SdlInputTest, TypedTextAndControlKeysBecomeCharacters) {
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    std::strcpy(text.text.text, "a\xc3\xa9"); // "aé"
    Feed(text);
    Feed(KeyEvent(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE));
    Feed(KeyEvent(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN));
    Feed(KeyEvent(SDL_KEYDOWN, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE));
    Feed(KeyEvent(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_A)); // its character comes as text only
    for (int expected : {0x61, 0xe9, 8, 13, 27, 0}) {
        EXPECT_EQ(input.GetChar(), expected);
    }
}

TEST_F(SdlInputTest, MouseButtonsAreNumberedLeftRightMiddleAtTheClickPosition) {
    Feed(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20));
    Feed(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 30, 40));
    Feed(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 50, 60));
    EXPECT_EQ(input.MouseHit(1), 1);
    EXPECT_EQ(input.MouseHit(2), 1);
    EXPECT_EQ(input.MouseHit(3), 1);
    EXPECT_EQ(input.MouseX(), 50);
    EXPECT_EQ(input.MouseY(), 60);
    Feed(ButtonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 50, 60));
    EXPECT_EQ(input.MouseDown(1), 0);
    EXPECT_EQ(input.MouseDown(2), 1);
}

TEST_F(SdlInputTest, PadEventsPressTheGameKeysUntilThePadIsUnplugged) {
    Feed(PadButtonEvent(SDL_CONTROLLERBUTTONDOWN, 4, SDL_CONTROLLER_BUTTON_START));
    EXPECT_EQ(input.KeyHit(32), 1);
    Feed(PadButtonEvent(SDL_CONTROLLERBUTTONUP, 4, SDL_CONTROLLER_BUTTON_START));
    EXPECT_EQ(input.KeyDown(32), 0);
    Feed(PadButtonEvent(SDL_CONTROLLERBUTTONDOWN, 4, SDL_CONTROLLER_BUTTON_A));
    Feed(PadAxisEvent(4, SDL_CONTROLLER_AXIS_LEFTX, -32768));
    Feed(PadButtonEvent(SDL_CONTROLLERBUTTONDOWN, 5, SDL_CONTROLLER_BUTTON_DPAD_LEFT));
    // Buttons newer than the usual layout press nothing.
    Feed(PadButtonEvent(SDL_CONTROLLERBUTTONDOWN, 4, SDL_CONTROLLER_BUTTON_PADDLE1));
    EXPECT_EQ(input.KeyDown(90), 1);
    EXPECT_EQ(input.KeyDown(37), 1);
    EXPECT_EQ(input.PadCount(), 2);
    Feed(PadRemovedEvent(4));
    EXPECT_EQ(input.KeyDown(90), 0);
    EXPECT_EQ(input.KeyDown(37), 1) << "the other pad holds it";
    Feed(PadRemovedEvent(5));
    EXPECT_EQ(input.KeyDown(37), 0);
    EXPECT_EQ(input.PadCount(), 0);
}

TEST_F(SdlInputTest, LosingTheKeyboardLetsGoOfWhatThePadsHold) {
    Feed(PadButtonEvent(SDL_CONTROLLERBUTTONDOWN, 0, SDL_CONTROLLER_BUTTON_A));
    SDL_Event focus{};
    focus.type = SDL_WINDOWEVENT;
    focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    Feed(focus);
    EXPECT_EQ(input.KeyDown(90), 0);
}

TEST(Letterbox, AnyWindowSizeShowsTheWholeScreenCentredAndMapsTheMouseBack) {
    struct Case {
        int windowWidth, windowHeight;
        int x, y, width, height; // the picture on the window
        int factor;              // blown up without filtering by
        bool whole;              // no filtering at all
        int windowX, windowY;    // a window pixel ...
        int logicalX, logicalY;  // ... and the logical pixel under it
    };
    const Case cases[] = {
        {1024, 768, 0, 0, 1024, 768, 1, true, 1023, 767, 1023, 767},
        {2048, 1536, 0, 0, 2048, 1536, 2, true, 1023, 2, 511, 1},
        {2048, 2000, 0, 232, 2048, 1536, 2, true, 2047, 231, 1023, 0}, // bars above, below
        {2560, 1440, 320, 0, 1920, 1440, 1, false, 1280, 720, 512, 384},
        {3840, 2160, 480, 0, 2880, 2160, 2, false, 481, 3, 0, 1},
        {800, 600, 0, 0, 800, 600, 1, false, 400, 300, 512, 384}, // smaller than the game
        {1366, 700, 216, 0, 933, 700, 1, false, 1148, 699, 1022, 766},
        {0, 0, 0, 0, 0, 0, 1, false, 10, 10, 10, 10}, // minimised to nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.windowWidth) + "x" + std::to_string(c.windowHeight));
        const auto box = TLetterbox::Fit(1024, 768, c.windowWidth, c.windowHeight);
        EXPECT_EQ(box.x, c.x);
        EXPECT_EQ(box.y, c.y);
        EXPECT_EQ(box.width, c.width);
        EXPECT_EQ(box.height, c.height);
        EXPECT_EQ(box.WholeFactor(), c.factor);
        EXPECT_EQ(box.Whole(), c.whole);
        int x = -1;
        int y = -1;
        box.ToLogical(c.windowX, c.windowY, x, y);
        EXPECT_EQ(x, c.logicalX);
        EXPECT_EQ(y, c.logicalY);
    }
}

TEST(Letterbox, AWiderScreenShowsTheGameCentredWithBarsAndMapsTheMouseBack) {
    const auto box = TLetterbox::Fit(1024, 768, 1920, 1080);
    EXPECT_EQ(box.x, 240);
    EXPECT_EQ(box.y, 0);
    EXPECT_EQ(box.width, 1440);
    EXPECT_EQ(box.height, 1080);
    struct Case {
        int windowX, windowY, x, y;
    };
    const Case cases[] = {
        {240, 0, 0, 0},          {960, 540, 512, 384},
        {1679, 1079, 1023, 767}, {100, 500, 0, 355}, // left bar: kept on the screen's edge
        {1900, 500, 1023, 355},
    };
    for (const auto& c : cases) {
        int x = -1;
        int y = -1;
        box.ToLogical(c.windowX, c.windowY, x, y);
        EXPECT_EQ(x, c.x) << c.windowX;
        EXPECT_EQ(y, c.y) << c.windowY;
    }
    // A taller screen gets bars above and below.
    const auto tall = TLetterbox::Fit(1024, 768, 1024, 1024);
    EXPECT_EQ(tall.y, 128);
    EXPECT_EQ(tall.height, 768);
}
