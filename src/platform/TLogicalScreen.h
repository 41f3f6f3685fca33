#pragma once

#include "platform/TPixmap.h"

// Where on the window the logical screen is shown: scaled to fit, centred.
struct TLetterbox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    float scale = 1.0f;

    static TLetterbox Fit(int logicalWidth, int logicalHeight, int windowWidth, int windowHeight);
    // The logical pixel under a window position, kept on the logical screen.
    void ToLogical(int windowX, int windowY, int& x, int& y) const;

    int logicalWidth = 0;
    int logicalHeight = 0;
};

// The game's fixed-size screen: everything is drawn into this off-screen
// buffer at its own resolution, read back from it, and copied to the window
// (scaled, with black bars) when the frame is shown.
class TLogicalScreen {
public:
    // Check Valid() afterwards.
    TLogicalScreen(int width, int height);
    ~TLogicalScreen();
    TLogicalScreen(const TLogicalScreen&) = delete;
    TLogicalScreen& operator=(const TLogicalScreen&) = delete;

    bool Valid() const { return valid_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Makes it the target of drawing.
    void Bind() const;
    void Clear(int r, int g, int b) const;
    // The pixels of a block, rows top to bottom; parts off the screen read as 0.
    TPixmapPtr Read(int x, int y, int width, int height) const;
    // Copies it to the window's back buffer, black around it.
    void ShowIn(int windowWidth, int windowHeight) const;

private:
    unsigned frameBuffer_ = 0;
    unsigned colour_ = 0;
    int width_;
    int height_;
    bool valid_ = false;
};
