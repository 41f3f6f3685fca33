#pragma once

#include <string>

#include "display/TColor.h"
#include "display/TShadow.h"
#include "text/TLabelColumn.h"

// How a screen's line of text looks: its colour, its shadow and its scale in
// the game's font. Made once when the screen is set up, so drawing a frame
// makes no new colour or shadow objects.
class TTextStyle {
public:
    TTextStyle() = default;
    TTextStyle(int r, int g, int b, float scale, float shadowOffset);

    // Draws text centred across the screen with its top at y.
    void DrawCentred(const std::string& text, float y) const;
    // An empty column of labels in this style, sharing its colour and shadow.
    TLabelColumnPtr MakeColumn(float x, float y, int gap) const;

private:
    TColorPtr color_;
    TShadowPtr shadow_;
    float scale_ = 1.0f;
};
