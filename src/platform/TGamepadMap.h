#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The buttons of a game pad in the usual layout: A, B, X and Y are the four
// face buttons (A the lowest), Back and Start the small ones in the middle.
enum class TPadButton : int {
    A,
    B,
    X,
    Y,
    Back,
    Guide,
    Start,
    LeftStick,
    RightStick,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
    Count
};

// A pad's axes; sticks run from -32768 to 32767, negative left and up.
enum class TPadAxis : int { LeftX, LeftY, RightX, RightY, LeftTrigger, RightTrigger, Count };

// Turns game pads into the keys the game reads: the d-pad and left stick are
// the arrows, A fires (Z), X or B launches a spawn unit (X), Start is Space,
// Y is P and Back is Esc. Several things may hold one key at once (the d-pad
// and the stick, two pads): the key is let go only when the last of them is.
class TGamepadMap {
public:
    // The stick presses its arrow once pushed past half way and lets go once
    // back under a third, so a stick resting near the line does not flicker.
    static constexpr int STICK_PRESS = 16384;
    static constexpr int STICK_RELEASE = 10923;
    static constexpr int MAX_PADS = 16;
    static constexpr int KEY_COUNT = 256;

    // The key a button stands for, 0 for none.
    static int KeyOf(TPadButton button);

    // A pad was plugged in (pads that send before they are announced count too).
    void Added(int pad);
    // A pad was unplugged: whatever it held is let go.
    void Removed(int pad);
    // Each gives the key it newly presses (a new hit), or 0.
    int Button(int pad, int button, bool down);
    int Axis(int pad, int axis, int value);

    // Whether any pad holds key.
    bool Holds(int key) const;
    // Forgets what the pads hold: a key stays up until its button is let go
    // and pressed again, as a flushed keyboard key does.
    void Flush();
    int PadCount() const { return static_cast<int>(pads_.size()); }

private:
    // Everything on a pad that can hold a key: the buttons, then the left
    // stick's four directions.
    enum TStick : int {
        STICK_LEFT = static_cast<int>(TPadButton::Count),
        STICK_RIGHT,
        STICK_UP,
        STICK_DOWN,
        SOURCE_COUNT
    };
    // Forgotten: held through a flush, counted for no key.
    enum class THold : uint8_t { Up, Down, Forgotten };
    struct TPad {
        int id = 0;
        std::array<THold, SOURCE_COUNT> sources{};
    };

    static int KeyOfSource(int source);
    TPad* Find(int pad);
    TPad* FindOrAdd(int pad);
    int Press(TPad& pad, int source);
    void Release(TPad& pad, int source);
    // One direction of the stick pushed by amount (positive toward it).
    int Lean(TPad& pad, int source, int amount);

    std::vector<TPad> pads_;
    std::array<uint8_t, KEY_COUNT> holders_{};
};
