#pragma once

#include "HeadlessTest.h"

#include <string>
#include <vector>

#include "display/TRenderer.h"
#include "platform/Fonts.h"
#include "platform/Graphics.h"

// Labels draw through the renderer; their font has known glyph sizes: every
// character is 10 pixels wide and 20 high.
class TextTestBase : public HeadlessTest {
protected:
    static constexpr float GLYPH_W = 10.0f;
    static constexpr float GLYPH_H = 20.0f;

    TextTestBase() { renderer = std::make_shared<TRenderer>(); }

    TImageFontPtr font = std::make_shared<TImageFont>(20, 10);

    std::vector<TDrawOp> Texts() const { return OpsOfKind(TDrawKind::Text); }

    // The neutral drawing state every draw must leave behind.
    static void ExpectNeutralState() {
        int r = 0, g = 0, b = 0;
        GetColor(r, g, b);
        EXPECT_EQ(r, 255);
        EXPECT_EQ(g, 255);
        EXPECT_EQ(b, 255);
        EXPECT_EQ(GetAlpha(), 1.0f);
        float sx = 0.0f, sy = 0.0f;
        GetScale(sx, sy);
        EXPECT_EQ(sx, 1.0f);
        EXPECT_EQ(sy, 1.0f);
        EXPECT_EQ(GetImageFont(), BuiltinFont());
    }
};
