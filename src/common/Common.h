#pragma once

#include <string>

// Small helpers the whole game leans on.

// Halves go up: floor(value + 0.5).
int ccRound(double value);
// 1 when the two rectangles share at least one pixel; touching edges do not.
int ccRectsOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2);
// Zeros in front until text is length characters long; longer text is kept whole.
std::string ccPadWithZeros(const std::string& text, int length);
// 1 when any mouse button was clicked; stops at the first button that was, so a
// later button's click stays pending.
int ccMouseHit();
// Drops every pending key hit and mouse click.
int ccFlushAll();
// The path with a slash at its end.
std::string ccAddSlash(const std::string& path);
// The border pixels of the width by height rectangle at (x, y), each once.
int ccDrawRectOutline(int x, int y, int width, int height);
// Shows message and ends the program with a failure status.
[[noreturn]] int ccRunTimeError(const std::string& message, int endProgram);
