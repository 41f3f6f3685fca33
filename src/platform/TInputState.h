#pragma once

#include <array>
#include <deque>

#include "platform/TGamepadMap.h"
#include "platform/TInputEvent.h"

// Key and mouse bookkeeping shared by every backend. A hit is counted when a
// key or button goes down and stays pending until the first asker takes it.
// Game pads press the same keys (see TGamepadMap); a key is held while the
// keyboard or any pad holds it.
class TInputState {
public:
    static constexpr int KEY_COUNT = 256;
    static constexpr int BUTTON_COUNT = 4; // 1 left, 2 right, 3 middle

    void Apply(const TInputEvent& event);

    // Presses since the last question, reset to 0 by asking.
    int KeyHit(int key);
    int KeyDown(int key) const;
    int MouseHit(int button);
    int MouseDown(int button) const;
    // The next typed character, or 0.
    int GetChar();
    int MouseX() const { return mouseX_; }
    int MouseY() const { return mouseY_; }
    // 1 once after the system asked the application to quit.
    int TakeQuitRequest();
    // Game pads plugged in (or heard from) and not unplugged since.
    int PadCount() const { return pads_.PadCount(); }

    // Clears key hits, held keys (the pads' too) and typed characters.
    void FlushKeys();
    // Clears mouse button hits and held buttons.
    void FlushMouse();

private:
    static bool ValidKey(int key) { return key >= 0 && key < KEY_COUNT; }
    static bool ValidButton(int button) { return button >= 1 && button < BUTTON_COUNT; }

    std::array<int, KEY_COUNT> keyHits_{};
    void HitByPad(int key);

    std::array<bool, KEY_COUNT> keyDown_{}; // by the keyboard
    std::array<int, BUTTON_COUNT> mouseHits_{};
    std::array<bool, BUTTON_COUNT> mouseDown_{};
    std::deque<int> typed_;
    int mouseX_ = 0;
    int mouseY_ = 0;
    bool quitRequested_ = false;
    TGamepadMap pads_;
};
