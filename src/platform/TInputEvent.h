#pragma once

#include <cstdint>

enum class TInputEventKind { KeyDown, KeyUp, Char, MouseDown, MouseUp, MouseMove, Quit };

// One event from the system (or from a test script), in the game's terms:
// key codes are Windows virtual-key codes, positions are logical pixels.
struct TInputEvent {
    TInputEventKind kind = TInputEventKind::KeyDown;
    int code = 0; // key code, mouse button (1 left, 2 right, 3 middle) or character
    int x = 0;    // mouse position for MouseMove
    int y = 0;
    bool repeat = false; // a key held long enough to repeat: not a new hit
};
