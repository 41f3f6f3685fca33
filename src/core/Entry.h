#pragma once

// The program's spine: start-up, the main loop and the way out.

// Creates the global objects, configures the game and opens the display full
// screen, in start-up order.
int StartUp();
// Loads the shared font and the images every screen draws from.
int LoadData();
// Ctrl+X: asks X first, then the Ctrl keys only if X was hit.
bool QuitChordPressed();
// One pass of the main loop: logic, drawing, read-back, flip, a short sleep.
// False when the program is to end.
bool MainLoopPass();
// Passes until the quit chord or the game asks to end.
int RunMainLoop();
// Ends the program at once.
[[noreturn]] int Finish();
// The whole program.
[[noreturn]] int BrindlewickMain();
