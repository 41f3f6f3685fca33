#pragma once

#include <SDL.h>

// Turns SDL keys into the game's key codes (Windows virtual-key codes).
class TKeyMap {
public:
    // The code of a key, or 0 for a key the game has no code for. Keys that
    // carry a character follow the keyboard layout; the rest go by position.
    static int VirtualKey(SDL_Keycode key, SDL_Scancode scancode);
    // The character a key press types besides text input (8, 13, 27), or 0.
    static int ControlCharacter(int virtualKey);
};
