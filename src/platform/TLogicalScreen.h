#pragma once

#include "platform/TPixmap.h"

// Where on the window the logical screen is shown: scaled to fit, centred.
//
// How it is scaled keeps the picture sharp: by a whole factor each logical
// pixel becomes a crisp square (no filtering); at a fractional scale of 2 or
// more it is first blown up by the whole part that way and only the rest of
// the way is filtered (linear), so pixels stay crisp on large and high-density
// screens while their sizes do not wobble; below 2 (and when shrinking) it is
// filtered all the way, which is smoother than pixels of uneven sizes.
struct TLetterbox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    float scale = 1.0f;

    static TLetterbox Fit(int logicalWidth, int logicalHeight, int windowWidth, int windowHeight);
    // The logical pixel under a window position, kept on the logical screen.
    void ToLogical(int windowX, int windowY, int& x, int& y) const;
    // The whole factor the picture is blown up by without filtering, 1 or more.
    int WholeFactor() const;
    // Whether the box is exactly that factor times the logical screen, so no
    // filtering is needed at all.
    bool Whole() const;

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
    // Copies it to the window's back buffer, black around it (see TLetterbox
    // for how it is scaled).
    void ShowIn(int windowWidth, int windowHeight);

    // The most a picture is blown up by without filtering before the rest.
    static constexpr int MAX_SHARP_FACTOR = 4;

private:
    // The picture blown up by a whole factor, on the way to a fractional scale.
    bool MakeSharpCopy(int factor);
    void DropSharpCopy();

    unsigned frameBuffer_ = 0;
    unsigned colour_ = 0;
    unsigned sharpFrameBuffer_ = 0;
    unsigned sharpColour_ = 0;
    int sharpFactor_ = 0;
    int width_;
    int height_;
    bool valid_ = false;
};
