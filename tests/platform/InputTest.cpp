#include "HeadlessTest.h"

#include "platform/Clock.h"
#include "platform/Input.h"

using InputTest = HeadlessTest;

TEST_F(InputTest, KeyHitCountsPressesForTheFirstAskerOnly) {
    backend.QueueKeyPress(Key::SPACE);
    backend.QueueKeyPress(Key::SPACE);
    EXPECT_EQ(KeyHit(Key::SPACE), 2);
    EXPECT_EQ(KeyHit(Key::SPACE), 0);
}

TEST_F(InputTest, AutoRepeatKeepsAKeyHeldWithoutANewHit) {
    backend.QueueKeyDown(Key::LEFT);
    backend.Queue({TInputEventKind::KeyDown, Key::LEFT, 0, 0, true});
    EXPECT_EQ(KeyHit(Key::LEFT), 1);
    EXPECT_EQ(KeyDown(Key::LEFT), 1);
    backend.QueueKeyUp(Key::LEFT);
    EXPECT_EQ(KeyDown(Key::LEFT), 0);
}

TEST_F(InputTest, EventsArriveWhenTheClockReachesThem) {
    backend.QueueKeyPress(Key::ESCAPE, 50);
    EXPECT_EQ(KeyHit(Key::ESCAPE), 0);
    Delay(50);
    EXPECT_EQ(MilliSecs(), 50);
    EXPECT_EQ(KeyHit(Key::ESCAPE), 1);
}

TEST_F(InputTest, FlushKeysClearsHitsHeldKeysAndTypedCharactersButNotTheMouse) {
    backend.QueueKeyDown(Key::SPACE);
    backend.QueueChar('a');
    backend.QueueMouseDown(1);
    FlushKeys();
    EXPECT_EQ(KeyHit(Key::SPACE), 0);
    EXPECT_EQ(KeyDown(Key::SPACE), 0);
    EXPECT_EQ(GetChar(), 0);
    EXPECT_EQ(MouseHit(1), 1);
}

TEST_F(InputTest, FlushMouseClearsClicksButNotKeys) {
    backend.QueueMouseDown(2);
    backend.QueueKeyDown(Key::SPACE);
    FlushMouse();
    EXPECT_EQ(MouseHit(2), 0);
    EXPECT_EQ(KeyHit(Key::SPACE), 1);
}

TEST_F(InputTest, TypedCharactersComeInOrderThenZero) {
    backend.QueueChar('H');
    backend.QueueChar('i');
    backend.QueueChar(Key::BACKSPACE);
    EXPECT_EQ(GetChar(), 'H');
    EXPECT_EQ(GetChar(), 'i');
    EXPECT_EQ(GetChar(), Key::BACKSPACE);
    EXPECT_EQ(GetChar(), 0);
}

TEST_F(InputTest, MousePositionAndButtons) {
    backend.QueueMouseMove(300, 200);
    backend.QueueMouseDown(3);
    EXPECT_EQ(MouseX(), 300);
    EXPECT_EQ(MouseY(), 200);
    EXPECT_EQ(MouseDown(3), 1);
    EXPECT_EQ(MouseHit(3), 1);
    EXPECT_EQ(MouseHit(3), 0);
}

TEST_F(InputTest, OutOfRangeCodesAreIgnored) {
    backend.QueueKeyDown(-1);
    backend.QueueKeyDown(1000);
    backend.QueueMouseDown(9);
    EXPECT_EQ(KeyHit(-1), 0);
    EXPECT_EQ(KeyHit(1000), 0);
    EXPECT_EQ(KeyDown(1000), 0);
    EXPECT_EQ(MouseHit(9), 0);
}
