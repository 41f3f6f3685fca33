#pragma once

#include <string>

#include "platform/TImage.h"
#include "platform/TImageFont.h"

enum class TDrawKind { Cls, Image, Rect, Line, Text, SubImageRect };

// The drawing state in force for a draw call.
struct TDrawState {
    int r = 255;
    int g = 255;
    int b = 255;
    float alpha = 1.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    float rotation = 0.0f;
    int blend = 3;
    int clsR = 0;
    int clsG = 0;
    int clsB = 0;
    TImageFontPtr font; // empty: the built-in font
};

// One drawing call with everything needed to carry it out: a display backend
// turns it into pixels, the headless backend keeps it for tests to read.
struct TDrawOp {
    TDrawKind kind = TDrawKind::Cls;
    float x = 0.0f;
    float y = 0.0f;
    // Rect and SubImageRect: width and height; Line: the end point.
    float x2 = 0.0f;
    float y2 = 0.0f;
    // SubImageRect: the source rectangle within the cell.
    float sx = 0.0f;
    float sy = 0.0f;
    float sw = 0.0f;
    float sh = 0.0f;
    int frame = 0;
    bool lastPixel = true; // Line: whether the end pixel is drawn
    TImagePtr image;
    float handleX = 0.0f;
    float handleY = 0.0f;
    std::string text;
    TDrawState state;
};
