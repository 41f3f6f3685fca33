#pragma once

// Key codes are Windows virtual-key codes: 8 Backspace, 13 Enter, 27 Esc,
// 32 Space, 37 to 40 the arrows, 65 to 90 the letters, 162/163 left/right
// Ctrl, 164/165 left/right Alt. Every question first takes in pending events.
namespace Key {
constexpr int BACKSPACE = 8;
constexpr int ENTER = 13;
constexpr int ESCAPE = 27;
constexpr int SPACE = 32;
constexpr int LEFT = 37;
constexpr int UP = 38;
constexpr int RIGHT = 39;
constexpr int DOWN = 40;
constexpr int LCONTROL = 162;
constexpr int RCONTROL = 163;
constexpr int LALT = 164;
constexpr int RALT = 165;
} // namespace Key

// Presses of key since it was last asked; asking resets them, so the first
// asker takes them.
int KeyHit(int key);
// 1 while key is held.
int KeyDown(int key);
// Clicks of a mouse button (1 left, 2 right, 3 middle) since it was last asked.
int MouseHit(int button);
int MouseDown(int button);
// The next typed character, or 0.
int GetChar();
// Clears all key hits, held keys and typed characters.
int FlushKeys();
// Clears mouse button clicks.
int FlushMouse();
int MouseX();
int MouseY();
