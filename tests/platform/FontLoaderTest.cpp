#include "HeadlessTest.h"

#include <fstream>

#include "PngFixture.h"
#include "platform/Fonts.h"
#include "platform/Images.h"

namespace {
// Ships with the system font package the build embeds its built-in font from.
const char* const PROPORTIONAL_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr int SMOOTH = 4;
} // namespace

using FontLoaderTest = HeadlessTest;

TEST_F(FontLoaderTest, MissingOrNonFontFilesGiveNull) {
    TempFolder folder("brindlewick_bad_font");
    std::ofstream(folder.File("fake.ttf")) << "this is not a font";
    EXPECT_EQ(LoadImageFont(folder.File("missing.ttf"), 16, SMOOTH), nullptr);
    EXPECT_EQ(LoadImageFont(folder.File("fake.ttf"), 16, SMOOTH), nullptr);
    EXPECT_EQ(LoadImageFont(PROPORTIONAL_FONT, 0, SMOOTH), nullptr);
}

TEST_F(FontLoaderTest, GlyphsAreWhiteCoverageWithAdvancesThatMakeTheWidth) {
    auto font = LoadImageFont(PROPORTIONAL_FONT, 24, SMOOTH);
    ASSERT_NE(font, nullptr);
    SetImageFont(font);
    EXPECT_GE(TextHeight("A"), 24);
    EXPECT_LE(TextHeight("A"), 36);
    EXPECT_LT(TextWidth("iii"), TextWidth("WWW"));
    EXPECT_EQ(TextWidth("AW"), font->Glyph('A').advance + font->Glyph('W').advance);
    EXPECT_EQ(TextWidth(""), 0);

    // Latin-1 is there; a space has an advance but nothing to draw.
    EXPECT_NE(font->Glyph(U'é').image, nullptr);
    EXPECT_EQ(font->Glyph(' ').image, nullptr);
    EXPECT_GT(font->Glyph(' ').advance, 0);

    // Smoothed: white everywhere, with partial coverage on the edges of an O.
    auto pixels = LockImage(font->Glyph('O').image);
    bool partial = false;
    for (int y = 0; y < pixels->Height(); ++y) {
        for (int x = 0; x < pixels->Width(); ++x) {
            const uint32_t argb = pixels->ReadPixel(x, y);
            EXPECT_EQ(argb & 0xffffffu, 0xffffffu);
            partial = partial || ((argb >> 24) > 0 && (argb >> 24) < 255);
        }
    }
    EXPECT_TRUE(partial);
}

TEST_F(FontLoaderTest, UnsmoothedGlyphsHaveOnlyFullOrNoCoverage) {
    auto font = LoadImageFont(PROPORTIONAL_FONT, 24, 0);
    ASSERT_NE(font, nullptr);
    auto pixels = LockImage(font->Glyph('O').image);
    for (int y = 0; y < pixels->Height(); ++y) {
        for (int x = 0; x < pixels->Width(); ++x) {
            const uint32_t alpha = pixels->ReadPixel(x, y) >> 24;
            EXPECT_TRUE(alpha == 0 || alpha == 255) << x << "," << y;
        }
    }
}

TEST_F(FontLoaderTest, TheBuiltInFontIsAFixedWidthFontThatNeedsNoFiles) {
    SetImageFont(nullptr);
    const int advance = TextWidth("M");
    EXPECT_GT(advance, 4);
    EXPECT_EQ(TextWidth("iiii"), 4 * advance);
    EXPECT_EQ(TextWidth("WWWW"), 4 * advance);
    EXPECT_GE(TextHeight("M"), 14);
    EXPECT_NE(GetImageFont()->Glyph('M').image, nullptr);
}
