#pragma once

#include <cstdint>

enum class TInputEventKind {
    KeyDown,
    KeyUp,
    Char,
    MouseDown,
    MouseUp,
    MouseMove,
    Quit,
    // Game pads: plugged in, unplugged, a button (code) pressed or let go, an
    // axis (code) moved to value.
    PadAdded,
    PadRemoved,
    PadButtonDown,
    PadButtonUp,
    PadAxis,
    // The window lost the keyboard: what the pads hold is let go.
    FocusLost
};

// One event from the system (or from a test script), in the game's terms:
// key codes are Windows virtual-key codes, positions are logical pixels.
struct TInputEvent {
    TInputEventKind kind = TInputEventKind::KeyDown;
    int code = 0; // key code, mouse button (1 left, 2 right, 3 middle), character,
                  // pad button (TPadButton) or pad axis (TPadAxis)
    int x = 0;    // mouse position for MouseMove
    int y = 0;
    bool repeat = false; // a key held long enough to repeat: not a new hit
    int pad = 0;         // which game pad, for the Pad kinds
    int value = 0;       // where a pad's axis stands, -32768 to 32767
};
