#pragma once

#include <string>

#include "platform/TImage.h"
#include "platform/TPixmap.h"

// Display. Coordinates are pixels of the 1024 by 768 logical screen.
// 1 when the display opened, 0 when it could not.
int Graphics(int width, int height, int depth, int hertz, int flags);
// Graphics, or, when the display cannot be opened, a message on standard
// error saying so and why, and the end of the program with a failure status.
int GraphicsOrExit(int width, int height, int depth, int hertz, int flags);
int EndGraphics();
int Flip(int sync);
// Reads back a block of the frame drawn so far.
TPixmapPtr GrabPixmap(int x, int y, int width, int height);
// 1 once after the system asked the application to quit.
int AppTerminate();
void SetAppTitle(const std::string& title);
const std::string& AppTitle();

// Drawing state, kept until changed.
int Cls();
int SetClsColor(int r, int g, int b);
void GetClsColor(int& r, int& g, int& b);
int SetColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
int SetAlpha(float alpha);
float GetAlpha();
int SetScale(float sx, float sy);
void GetScale(float& sx, float& sy);
int SetRotation(float degrees);
float GetRotation();
// 3: alpha blending, source * alpha + destination * (1 - alpha).
int SetBlend(int blend);
int GetBlend();

// Drawing calls, in the current state.
int DrawImage(const TImagePtr& image, float x, float y, int cell = 0);
int DrawRect(float x, float y, float width, float height);
// lastPixel 0 leaves the end point undrawn.
int DrawLine(float x1, float y1, float x2, float y2, int lastPixel = 1);
int DrawText(const std::string& text, float x, float y);
// Draws the part (sx, sy, sw, sh) of a cell into the rectangle (x, y, w, h).
int DrawSubImageRect(const TImagePtr& image, float x, float y, float width, float height, float sx,
                     float sy, float sw, float sh, int cell = 0);

int CountGraphicsModes();
// Width, height, depth and refresh rate of mode index; false when there is none.
bool GetGraphicsMode(int index, int& width, int& height, int& depth, int& hertz);
