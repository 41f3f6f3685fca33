#include "HeadlessTest.h"

#include <functional>
#include <string>

#include "platform/Input.h"
#include "platform/TGamepadMap.h"

namespace {
constexpr int KEY_P = 80;
constexpr int KEY_X = 88;
constexpr int KEY_Z = 90;

// Every key code the pads could touch, to see that nothing else is held.
int KeysDown() {
    int down = 0;
    for (int key = 0; key < 256; ++key) {
        down += KeyDown(key);
    }
    return down;
}
} // namespace

using GamepadTest = HeadlessTest;

TEST_F(GamepadTest, ButtonsPressTheKeysTheGameReads) {
    struct Case {
        TPadButton button;
        int key; // 0: presses nothing
    };
    const Case cases[] = {
        {TPadButton::A, KEY_Z},
        {TPadButton::B, KEY_X},
        {TPadButton::X, KEY_X},
        {TPadButton::Y, KEY_P},
        {TPadButton::Start, Key::SPACE},
        {TPadButton::Back, Key::ESCAPE},
        {TPadButton::DpadLeft, Key::LEFT},
        {TPadButton::DpadRight, Key::RIGHT},
        {TPadButton::DpadUp, Key::UP},
        {TPadButton::DpadDown, Key::DOWN},
        {TPadButton::Guide, 0},
        {TPadButton::LeftShoulder, 0},
        {TPadButton::RightShoulder, 0},
        {TPadButton::LeftStick, 0},
        {TPadButton::RightStick, 0},
    };
    backend.QueuePadAdded(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.button));
        backend.QueuePadButtonDown(0, c.button);
        if (c.key != 0) {
            EXPECT_EQ(KeyHit(c.key), 1);
            EXPECT_EQ(KeyDown(c.key), 1);
        }
        EXPECT_EQ(KeysDown(), c.key != 0 ? 1 : 0);
        backend.QueuePadButtonUp(0, c.button);
        EXPECT_EQ(KeysDown(), 0);
        if (c.key != 0) {
            EXPECT_EQ(KeyHit(c.key), 0); // letting go is no press
        }
    }
}

TEST_F(GamepadTest, TheLeftStickPressesPastHalfAndLetsGoUnderAThird) {
    struct Step {
        TPadAxis axis;
        int value;
        int left, right, up, down; // held after the move
        int hitKey;                // the key newly pressed, 0 for none
    };
    const Step steps[] = {
        {TPadAxis::LeftX, 0, 0, 0, 0, 0, 0},
        {TPadAxis::LeftX, -16000, 0, 0, 0, 0, 0}, // not yet half way
        {TPadAxis::LeftX, -16384, 1, 0, 0, 0, Key::LEFT},
        {TPadAxis::LeftX, -11000, 1, 0, 0, 0, 0}, // eased back, still over a third
        {TPadAxis::LeftX, -16500, 1, 0, 0, 0, 0}, // pushed again: the same press
        {TPadAxis::LeftX, -10900, 0, 0, 0, 0, 0}, // under a third
        {TPadAxis::LeftX, -16000, 0, 0, 0, 0, 0}, // over a third is not enough to press
        {TPadAxis::LeftX, -32768, 1, 0, 0, 0, Key::LEFT},
        {TPadAxis::LeftX, 32767, 0, 1, 0, 0, Key::RIGHT}, // flicked across
        {TPadAxis::LeftY, -20000, 0, 1, 1, 0, Key::UP},
        {TPadAxis::LeftY, 20000, 0, 1, 0, 1, Key::DOWN},
        {TPadAxis::LeftX, 0, 0, 0, 0, 1, 0},
        {TPadAxis::LeftY, 0, 0, 0, 0, 0, 0},
        // The right stick and the triggers press nothing.
        {TPadAxis::RightX, -32768, 0, 0, 0, 0, 0},
        {TPadAxis::RightY, 32767, 0, 0, 0, 0, 0},
        {TPadAxis::LeftTrigger, 32767, 0, 0, 0, 0, 0},
        {TPadAxis::RightTrigger, 32767, 0, 0, 0, 0, 0},
    };
    int n = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE("step " + std::to_string(n++));
        backend.QueuePadAxis(0, s.axis, s.value);
        EXPECT_EQ(KeyDown(Key::LEFT), s.left);
        EXPECT_EQ(KeyDown(Key::RIGHT), s.right);
        EXPECT_EQ(KeyDown(Key::UP), s.up);
        EXPECT_EQ(KeyDown(Key::DOWN), s.down);
        EXPECT_EQ(KeysDown(), s.left + s.right + s.up + s.down);
        for (int key : {Key::LEFT, Key::RIGHT, Key::UP, Key::DOWN}) {
            EXPECT_EQ(KeyHit(key), key == s.hitKey ? 1 : 0) << key;
        }
    }
}

TEST_F(GamepadTest, AKeyHeldByTwoThingsStaysHeldUntilBothLetGo) {
    struct Holder {
        std::function<void(THeadlessBackend&)> press;
        std::function<void(THeadlessBackend&)> release;
    };
    const Holder dpad{[](auto& b) { b.QueuePadButtonDown(0, TPadButton::DpadLeft); },
                      [](auto& b) { b.QueuePadButtonUp(0, TPadButton::DpadLeft); }};
    const Holder stick{[](auto& b) { b.QueuePadAxis(0, TPadAxis::LeftX, -30000); },
                       [](auto& b) { b.QueuePadAxis(0, TPadAxis::LeftX, 0); }};
    const Holder otherPad{[](auto& b) { b.QueuePadButtonDown(1, TPadButton::DpadLeft); },
                          [](auto& b) { b.QueuePadButtonUp(1, TPadButton::DpadLeft); }};
    const Holder keyboard{[](auto& b) { b.QueueKeyDown(Key::LEFT); },
                          [](auto& b) { b.QueueKeyUp(Key::LEFT); }};
    struct Case {
        const char* what;
        const Holder& first;
        const Holder& second;
        int hits; // Left's presses seen by the game
    };
    const Case cases[] = {
        {"d-pad, then stick", dpad, stick, 1},
        {"stick, then d-pad", stick, dpad, 1},
        {"two pads", dpad, otherPad, 1},
        {"keyboard, then d-pad", keyboard, dpad, 2},
        {"d-pad, then keyboard", dpad, keyboard, 2},
    };
    backend.QueuePadAdded(0);
    backend.QueuePadAdded(1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.first.press(backend);
        c.second.press(backend);
        EXPECT_EQ(KeyDown(Key::LEFT), 1);
        c.first.release(backend);
        EXPECT_EQ(KeyDown(Key::LEFT), 1) << "let go by the first only";
        c.second.release(backend);
        EXPECT_EQ(KeyDown(Key::LEFT), 0);
        EXPECT_EQ(KeyHit(Key::LEFT), c.hits);
    }
    // X and B both launch: one let go leaves it held.
    backend.QueuePadButtonDown(0, TPadButton::X);
    backend.QueuePadButtonDown(0, TPadButton::B);
    backend.QueuePadButtonUp(0, TPadButton::X);
    EXPECT_EQ(KeyDown(KEY_X), 1);
    EXPECT_EQ(KeyHit(KEY_X), 1);
}

TEST_F(GamepadTest, PadsPluggedInDuringPlayWorkAndUnpluggingLetsGoOfWhatTheyHeld) {
    backend.QueuePadAdded(7, 100);
    backend.QueuePadButtonDown(7, TPadButton::A, 200);
    backend.QueuePadAxis(7, TPadAxis::LeftX, 32767, 200);
    backend.QueuePadAdded(9, 300);
    backend.QueuePadButtonDown(9, TPadButton::DpadRight, 300);
    backend.QueuePadRemoved(7, 400);
    EXPECT_EQ(TPlatform::Instance().Input().PadCount(), 0);
    backend.SetTime(100);
    EXPECT_EQ(TPlatform::Instance().Input().PadCount(), 1);
    backend.SetTime(200);
    EXPECT_EQ(KeyHit(KEY_Z), 1);
    EXPECT_EQ(KeyDown(KEY_Z), 1);
    EXPECT_EQ(KeyHit(Key::RIGHT), 1);
    backend.SetTime(300);
    EXPECT_EQ(TPlatform::Instance().Input().PadCount(), 2);
    EXPECT_EQ(KeyHit(Key::RIGHT), 0); // already held by the first pad's stick
    backend.SetTime(400);
    EXPECT_EQ(TPlatform::Instance().Input().PadCount(), 1);
    EXPECT_EQ(KeyDown(KEY_Z), 0);
    EXPECT_EQ(KeyDown(Key::RIGHT), 1) << "the second pad still holds it";
    // What the unplugged pad "lets go" later is nothing; the same number
    // plugged in again starts afresh.
    backend.QueuePadButtonUp(7, TPadButton::A);
    backend.QueuePadRemoved(42); // never plugged in
    backend.QueuePadAdded(7);
    backend.QueuePadButtonDown(7, TPadButton::A);
    EXPECT_EQ(KeyHit(KEY_Z), 1);
    EXPECT_EQ(KeyDown(KEY_Z), 1);
    backend.QueuePadRemoved(9);
    EXPECT_EQ(KeyDown(Key::RIGHT), 0);
}

TEST_F(GamepadTest, FlushedOrUnfocusedPadKeysStayUpUntilPressedAgain) {
    struct Case {
        const char* what;
        std::function<void()> forget;
    };
    const Case cases[] = {
        {"FlushKeys", [] { FlushKeys(); }},
        {"the window losing the keyboard", [this] { backend.QueueFocusLost(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        backend.QueuePadButtonDown(0, TPadButton::A);
        backend.QueuePadAxis(0, TPadAxis::LeftX, -30000);
        EXPECT_EQ(KeysDown(), 2);
        c.forget();
        KeyHit(KEY_Z);
        KeyHit(Key::LEFT);
        EXPECT_EQ(KeysDown(), 0);
        // Still held on the pad: the stick's wobble is no new press.
        backend.QueuePadAxis(0, TPadAxis::LeftX, -31000);
        backend.QueuePadButtonDown(0, TPadButton::A);
        EXPECT_EQ(KeysDown(), 0);
        EXPECT_EQ(KeyHit(Key::LEFT) + KeyHit(KEY_Z), 0);
        // Let go and pressed again.
        backend.QueuePadAxis(0, TPadAxis::LeftX, 0);
        backend.QueuePadButtonUp(0, TPadButton::A);
        backend.QueuePadButtonDown(0, TPadButton::A);
        EXPECT_EQ(KeyHit(KEY_Z), 1);
        EXPECT_EQ(KeysDown(), 1);
        backend.QueuePadButtonUp(0, TPadButton::A);
    }
}

TEST_F(GamepadTest, NonsenseFromAPadIsIgnored) {
    backend.QueuePadButtonDown(0, static_cast<TPadButton>(-1));
    backend.QueuePadButtonDown(0, static_cast<TPadButton>(99));
    backend.QueuePadAxis(0, static_cast<TPadAxis>(-3), -32768);
    backend.QueuePadAxis(0, static_cast<TPadAxis>(42), 32767);
    backend.QueuePadButtonUp(5, TPadButton::A); // let go, never pressed
    EXPECT_EQ(KeysDown(), 0);
    // More pads than anyone plugs in: the extra ones are not heard.
    for (int pad = 0; pad < 100; ++pad) {
        backend.QueuePadAdded(pad);
    }
    EXPECT_EQ(TPlatform::Instance().Input().PadCount(), TGamepadMap::MAX_PADS);
    backend.QueuePadButtonDown(99, TPadButton::A);
    EXPECT_EQ(KeyDown(KEY_Z), 0);
    backend.QueuePadButtonDown(0, TPadButton::A);
    EXPECT_EQ(KeyDown(KEY_Z), 1);
}
