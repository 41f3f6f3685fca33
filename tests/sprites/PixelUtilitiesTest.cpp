#include "HeadlessTest.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/Fonts.h"
#include "platform/Graphics.h"
#include "platform/Images.h"
#include "sprites/PixelUtilities.h"

namespace {

constexpr uint32_t MARK = 0xFF00FF00u; // what the destination holds before a copy

// A one-cell image whose pixel (x, y) is 0xFF000000 + 100 y + x, so every pixel
// tells where it came from.
TImagePtr NumberedImage(int width, int height) {
    auto image = CreateImage(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image->Cell(0)->WritePixel(x, y, 0xFF000000u + static_cast<uint32_t>(100 * y + x));
        }
    }
    return image;
}

uint32_t Numbered(int x, int y) {
    return 0xFF000000u + static_cast<uint32_t>(100 * y + x);
}

TImagePtr MarkedImage(int width, int height) {
    auto image = CreateImage(width, height);
    image->Cell(0)->Fill(MARK);
    return image;
}

// The destination's pixels row by row.
std::vector<uint32_t> PixelsOf(const TImagePtr& image) {
    const TPixmap& pixels = *image->Cell(0);
    return {pixels.Pixels(), pixels.Pixels() + pixels.Width() * pixels.Height()};
}

} // namespace

TEST(PixelUtilities, ArgbPartsArePackedWithoutMasking) {
    const int pixel = ARGB_Color(255, 1, 2, 3);
    EXPECT_EQ(static_cast<uint32_t>(pixel), 0xFF010203u);
    EXPECT_EQ(ARGB_Alpha(pixel), 255); // the top byte comes back unsigned
    EXPECT_EQ(ARGB_Red(pixel), 1);
    EXPECT_EQ(ARGB_Green(pixel), 2);
    EXPECT_EQ(ARGB_Blue(pixel), 3);
    // A part above 255 carries into the next one up.
    EXPECT_EQ(static_cast<uint32_t>(ARGB_Color(0, 256, 0, 300)), 0x0100012Cu);
}

TEST(PixelUtilities, CopyImageIsAnIndependentCopy) {
    auto image = CreateImage(3, 2, 2, ImageFlag::MASKED);
    image->Cell(0)->Fill(0xFF112233u);
    image->Cell(1)->Fill(0x80445566u);
    SetImageHandle(image, 1.5f, 2.0f);

    auto copy = ccCopyImage(image);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->Width(), 3);
    EXPECT_EQ(copy->Height(), 2);
    EXPECT_EQ(copy->CellCount(), 2);
    EXPECT_EQ(copy->Flags(), ImageFlag::MASKED);
    EXPECT_EQ(copy->handleX, 1.5f);
    EXPECT_EQ(copy->handleY, 2.0f);
    EXPECT_EQ(copy->Cell(0)->ReadPixel(2, 1), 0xFF112233u);
    EXPECT_EQ(copy->Cell(1)->ReadPixel(0, 0), 0x80445566u);

    copy->Cell(1)->WritePixel(0, 0, 0u);
    EXPECT_EQ(image->Cell(1)->ReadPixel(0, 0), 0x80445566u);
    EXPECT_FALSE(ccCopyImage(nullptr));
}

TEST(PixelUtilities, RectCopyAtTheSourcesRightEdgeCopiesWhatIsLeft) {
    auto source = NumberedImage(100, 10);
    auto dest = MarkedImage(20, 10);
    ccCopyImageRect(source, 95, 0, 10, 10, dest, 0, 0);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            const uint32_t expected = x < 5 ? Numbered(95 + x, y) : MARK;
            ASSERT_EQ(dest->Cell(0)->ReadPixel(x, y), expected) << x << "," << y;
        }
    }
}

// Both block copies, with coordinates partly or wholly outside either image,
// change exactly the pixels that lie inside both and read nothing outside.
TEST(PixelUtilities, BlockCopiesStayInsideBothImages) {
    struct Case {
        int sx, sy, w, h, dx, dy;
        // Destination pixel -> source pixel, for every pixel that changes.
        std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>> changed;
    };
    const Case cases[] = {
        {-2, 0, 4, 1, 0, 0, {{{2, 0}, {0, 0}}, {{3, 0}, {1, 0}}}},
        {0, -3, 1, 4, 1, 1, {{{1, 4}, {0, 0}}}},
        {0, 1, 4, 1, -3, 2, {{{0, 2}, {3, 1}}}},
        {3, 3, 9, 9, 3, 4, {{{3, 4}, {3, 3}}}},
        {2, 0, 3, 1, 4, 0, {}},  // past the destination's right edge
        {4, 0, 1, 1, 0, 0, {}},  // starts at the source's width
        {0, 0, 5, 5, 0, -5, {}}, // wholly above the destination
        {-9, 0, 5, 5, 0, 0, {}}, // wholly left of the source
        {0, 0, -2, 3, 0, 0, {}}, // no width
        {0, 0, 3, 0, 0, 0, {}},  // no height
    };
    for (int variant = 0; variant < 2; ++variant) {
        for (const auto& c : cases) {
            auto source = NumberedImage(4, 4);
            auto dest = MarkedImage(4, 5);
            if (variant == 0) {
                ccCopyImageRect(source, c.sx, c.sy, c.w, c.h, dest, c.dx, c.dy);
            } else {
                ccCopyImageToImage(source, c.sx, c.sy, c.w, c.h, dest, c.dx, c.dy, 0);
            }
            std::vector<uint32_t> expected(4 * 5, MARK);
            for (const auto& [to, from] : c.changed) {
                expected[static_cast<size_t>(to.second * 4 + to.first)] =
                    Numbered(from.first, from.second);
            }
            EXPECT_EQ(PixelsOf(dest), expected)
                << (variant == 0 ? "rows" : "pixels") << " from " << c.sx << "," << c.sy << " "
                << c.w << "x" << c.h << " to " << c.dx << "," << c.dy;
        }
    }
}

TEST(PixelUtilities, FlippedCopiesMirrorTheBlock) {
    // Source 3 by 2; each destination row lists the source pixels it receives.
    struct Case {
        int flip;
        std::vector<uint32_t> expected;
    };
    const Case cases[] = {
        {0,
         {Numbered(0, 0), Numbered(1, 0), Numbered(2, 0), Numbered(0, 1), Numbered(1, 1),
          Numbered(2, 1)}},
        {1,
         {Numbered(2, 0), Numbered(1, 0), Numbered(0, 0), Numbered(2, 1), Numbered(1, 1),
          Numbered(0, 1)}},
        {2,
         {Numbered(0, 1), Numbered(1, 1), Numbered(2, 1), Numbered(0, 0), Numbered(1, 0),
          Numbered(2, 0)}},
        {3,
         {Numbered(2, 1), Numbered(1, 1), Numbered(0, 1), Numbered(2, 0), Numbered(1, 0),
          Numbered(0, 0)}},
        {4, std::vector<uint32_t>(6, MARK)},
        {-1, std::vector<uint32_t>(6, MARK)},
    };
    for (const auto& c : cases) {
        auto source = NumberedImage(3, 2);
        auto dest = MarkedImage(3, 2);
        ccCopyImageToImage(source, 0, 0, 3, 2, dest, 0, 0, c.flip);
        EXPECT_EQ(PixelsOf(dest), c.expected) << "flip " << c.flip;
    }
}

TEST(PixelUtilities, CopiesWithinOneImageReadTheOriginalPixels) {
    // Moving a block down by one row.
    auto image = NumberedImage(2, 3);
    ccCopyImageRect(image, 0, 0, 2, 2, image, 0, 1);
    EXPECT_EQ(PixelsOf(image),
              (std::vector<uint32_t>{Numbered(0, 0), Numbered(1, 0), Numbered(0, 0), Numbered(1, 0),
                                     Numbered(0, 1), Numbered(1, 1)}));
    // Mirroring a row onto itself.
    auto row = NumberedImage(3, 1);
    ccCopyImageToImage(row, 0, 0, 3, 1, row, 0, 0, 1);
    EXPECT_EQ(PixelsOf(row),
              (std::vector<uint32_t>{Numbered(2, 0), Numbered(1, 0), Numbered(0, 0)}));
}

TEST(PixelUtilities, CompositingFollowsTheAlphaOfBothPixels) {
    struct Case {
        uint32_t source, target;
        float alphaFactor, colourFactor;
        uint32_t expected;
    };
    const Case cases[] = {
        // Opaque source: its colour, fully opaque, whatever was there.
        {0xFF102030u, 0x40F0E0D0u, 1.0f, 1.0f, 0xFF102030u},
        // Transparent source: the target stays as it was.
        {0x00102030u, 0x40F0E0D0u, 1.0f, 1.0f, 0x40F0E0D0u},
        // The colour factor scales the source's colour.
        {0xFF204060u, 0x00000000u, 1.0f, 0.5f, 0xFF102030u},
        // Half an opaque source over an opaque target: sa 127.5, da 255, ta 382;
        // red 127.5 * 200 / 382 + (255 / 382) * (255 * 100 / 382) = 111.3.
        {0xFFC80000u, 0xFF640000u, 0.5f, 1.0f, 0xFF6F0000u},
        // sa 100.5 over a transparent target gives ta 100: red would come to 256
        // and must not spill into the alpha.
        {0xC9FF0000u, 0x00000000u, 0.5f, 1.0f, 0x64FF0000u},
        // sa 0.5 over a transparent target: total alpha 0, the target is kept.
        {0x01FFFFFFu, 0x00123456u, 0.5f, 1.0f, 0x00123456u},
    };
    for (const auto& c : cases) {
        auto image = CreateImage(1, 1);
        image->Cell(0)->WritePixel(0, 0, c.source);
        auto pixmap = TPixmap::Create(1, 1);
        pixmap->WritePixel(0, 0, c.target);
        ccDrawOnPixmap(image, 0, pixmap, 0, 0, c.alphaFactor, c.colourFactor);
        EXPECT_EQ(pixmap->ReadPixel(0, 0), c.expected)
            << std::hex << c.source << " over " << c.target << " alpha x" << c.alphaFactor;
    }
}

TEST(PixelUtilities, CompositingCoversOnlyThePixmap) {
    auto image = CreateImage(3, 3);
    image->Cell(0)->Fill(0xFFFFFFFFu);
    auto pixmap = TPixmap::Create(4, 4);
    pixmap->Fill(0xFF000000u);
    ccDrawOnPixmap(image, 0, pixmap, -1, 2, 1.0f, 1.0f);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const bool covered = x <= 1 && y >= 2;
            EXPECT_EQ(pixmap->ReadPixel(x, y), covered ? 0xFFFFFFFFu : 0xFF000000u)
                << x << "," << y;
        }
    }
}

TEST(PixelUtilitiesDeathTest, CompositingWithoutAnImageStops) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto pixmap = TPixmap::Create(2, 2);
    EXPECT_EXIT(ccDrawOnPixmap(nullptr, 0, pixmap, 0, 0, 1.0f, 1.0f),
                testing::ExitedWithCode(EXIT_FAILURE), "image doesnt exist");
}

using PixelDrawingTest = HeadlessTest;

TEST_F(PixelDrawingTest, ImageAreaDrawsThePartUnscaledWithTheHandle) {
    auto image = CreateImage(40, 30, 2);
    SetImageHandle(image, 4.0f, 3.0f);
    ccDrawImageArea(image, 100.0f, 50.0f, 10.0f, 5.0f, 20.0f, 15.0f, 1);
    auto ops = OpsOfKind(TDrawKind::SubImageRect);
    ASSERT_EQ(ops.size(), 1u);
    const auto& op = ops[0];
    EXPECT_EQ(op.image, image);
    EXPECT_EQ(op.frame, 1);
    EXPECT_EQ(op.x, 100.0f);
    EXPECT_EQ(op.y, 50.0f);
    EXPECT_EQ(op.x2, 20.0f);
    EXPECT_EQ(op.y2, 15.0f);
    EXPECT_EQ(op.sx, 10.0f);
    EXPECT_EQ(op.sy, 5.0f);
    EXPECT_EQ(op.sw, 20.0f);
    EXPECT_EQ(op.sh, 15.0f);
    EXPECT_EQ(op.handleX, 4.0f);
    EXPECT_EQ(op.handleY, 3.0f);
}

TEST_F(PixelDrawingTest, ImageRectDrawsAPictureOfThePart) {
    auto image = NumberedImage(5, 4);
    ccDrawImageRect(image, 30, 40, 3, 2, 3, 2);
    auto ops = OpsOfKind(TDrawKind::Image);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].x, 30.0f);
    EXPECT_EQ(ops[0].y, 40.0f);
    EXPECT_EQ(ops[0].frame, 0);
    ASSERT_TRUE(ops[0].image);
    EXPECT_NE(ops[0].image, image);
    // Columns 3 and 4 come from the image; column 5 lies outside it.
    EXPECT_EQ(PixelsOf(ops[0].image), (std::vector<uint32_t>{Numbered(3, 2), Numbered(4, 2), 0u,
                                                             Numbered(3, 3), Numbered(4, 3), 0u}));
}

class SpacedTextTest : public HeadlessTest {
protected:
    SpacedTextTest() {
        auto font = std::make_shared<TImageFont>(16, 7);
        font->SetGlyph(U'A', TGlyph{CreateImage(8, 12), 1, 2, 10});
        font->SetGlyph(U'B', TGlyph{CreateImage(6, 12), 0, 3, 9});
        font->SetGlyph(U' ', TGlyph{nullptr, 0, 0, 5}); // moves the pen, draws nothing
        SetImageFont(font);
    }
    ~SpacedTextTest() override { SetImageFont(nullptr); }

    std::vector<TDrawOp> Glyphs() const { return OpsOfKind(TDrawKind::SubImageRect); }
};

TEST_F(SpacedTextTest, SpacingPushesEachCharacterFurtherRight) {
    ccDrawTextSpaced("AB", 20.0f, 30.0f, 0);
    ccDrawTextSpaced("AB", 20.0f, 30.0f, 2);
    auto glyphs = Glyphs();
    ASSERT_EQ(glyphs.size(), 4u);
    // Plain: A at its offset (1, 2), B one advance of A (10) on, at offset (0, 3).
    EXPECT_EQ(glyphs[0].x, 21.0f);
    EXPECT_EQ(glyphs[0].y, 32.0f);
    EXPECT_EQ(glyphs[1].x, 30.0f);
    EXPECT_EQ(glyphs[1].y, 33.0f);
    // Spaced: A where it was, B two pixels further right.
    EXPECT_EQ(glyphs[2].x, 21.0f);
    EXPECT_EQ(glyphs[3].x, 32.0f);
    EXPECT_EQ(glyphs[3].y, 33.0f);
    EXPECT_EQ(glyphs[3].sw, 6.0f);
    EXPECT_EQ(glyphs[3].sh, 12.0f);
}

TEST_F(SpacedTextTest, CharactersWithoutAGlyphAreSkippedButCounted) {
    // '?' has no glyph: the pen stays, but B is still the third character.
    // The blank has no picture: nothing drawn, the pen moves 5.
    ccDrawTextSpaced("A?B B", 0.0f, 0.0f, 3);
    auto glyphs = Glyphs();
    ASSERT_EQ(glyphs.size(), 3u);
    EXPECT_EQ(glyphs[0].x, 1.0f);
    EXPECT_EQ(glyphs[1].x, 10.0f + 3.0f * 2);
    EXPECT_EQ(glyphs[2].x, 10.0f + 9.0f + 5.0f + 3.0f * 4);
}

TEST_F(SpacedTextTest, RoundedVariantFloorsEachX) {
    ccDrawTextSpacedRounded("AB", 5.7f, 0.5f, 1);
    auto glyphs = Glyphs();
    ASSERT_EQ(glyphs.size(), 2u);
    EXPECT_EQ(glyphs[0].x, 6.0f);  // floor(5.7 + 1)
    EXPECT_EQ(glyphs[1].x, 16.0f); // floor(5.7 + 10 + 1)
    EXPECT_EQ(glyphs[1].y, 3.5f);  // y is not rounded
}

TEST_F(SpacedTextTest, ScaleAndRotationMoveThePenButNotTheSpacing) {
    SetRotation(90.0f); // the pen runs down the screen
    SetScale(2.0f, 2.0f);
    ccDrawTextSpaced("AB", 100.0f, 100.0f, 4);
    SetRotation(0.0f);
    SetScale(1.0f, 1.0f);
    auto glyphs = Glyphs();
    ASSERT_EQ(glyphs.size(), 2u);
    // A's offset (1, 2) turns into (-4, 2) on screen.
    EXPECT_NEAR(glyphs[0].x, 96.0f, 1e-4);
    EXPECT_NEAR(glyphs[0].y, 102.0f, 1e-4);
    // B: pen 2 x 10 further down, offset (0, 3) turns into (-6, 0), spacing 4 along x.
    EXPECT_NEAR(glyphs[1].x, 100.0f - 6.0f + 4.0f, 1e-4);
    EXPECT_NEAR(glyphs[1].y, 120.0f, 1e-4);
}
