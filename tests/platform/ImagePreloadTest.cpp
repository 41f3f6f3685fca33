#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "PngFixture.h"
#include "platform/Images.h"

namespace {

constexpr uint32_t RED = 0xffff0000u;
constexpr uint32_t BLUE = 0xff0000ffu;

uint32_t FirstPixel(const TImagePtr& image, int cell = 0) {
    return LockImage(image, cell)->ReadPixel(0, 0);
}

} // namespace

TEST(ImagePreload, LoadsTakeWhatWasDecodedAheadAndFailAsTheyWouldHave) {
    TempFolder folder("brindlewick-preload");
    ASSERT_TRUE(WriteSolidPng(folder.File("red.png"), 4, 2, RED));
    ASSERT_TRUE(
        WritePng(folder.File("strip.png"), 4, 2, {RED, RED, BLUE, BLUE, RED, RED, BLUE, BLUE}));
    std::ofstream(folder.File("broken.png")) << "not a picture";
    ASSERT_TRUE(WriteSolidPng(folder.File("late.png"), 2, 2, BLUE));

    PreloadImages({folder.File("red.png"), folder.File("strip.png"), folder.File("missing.png"),
                   folder.File("broken.png"), folder.File("red.png")});
    // Changed after the start: the preloaded picture may be the old or the
    // new one, but a file that was not in the batch is read when asked for.
    ASSERT_TRUE(WriteSolidPng(folder.File("late.png"), 2, 2, RED));

    auto red = LoadImage(folder.File("red.png"), 0);
    ASSERT_TRUE(red);
    EXPECT_EQ(ImageWidth(red), 4);
    EXPECT_EQ(FirstPixel(red), RED);
    auto strip = LoadAnimImage(folder.File("strip.png"), 2, 2, 0, 2, 0);
    ASSERT_TRUE(strip);
    EXPECT_EQ(FirstPixel(strip, 0), RED);
    EXPECT_EQ(FirstPixel(strip, 1), BLUE);
    EXPECT_FALSE(LoadImage(folder.File("missing.png"), 0));
    EXPECT_FALSE(LoadImage(folder.File("broken.png"), 0));
    EXPECT_EQ(FirstPixel(LoadImage(folder.File("late.png"), 0)), RED);

    // Taken once: a second load reads the file again and sees its change.
    ASSERT_TRUE(WriteSolidPng(folder.File("red.png"), 4, 2, BLUE));
    EXPECT_EQ(FirstPixel(LoadImage(folder.File("red.png"), 0)), BLUE);
    StopPreloadingImages();
}

TEST(ImagePreload, StoppingDropsWhatWasNotLoaded) {
    TempFolder folder("brindlewick-preload-stop");
    ASSERT_TRUE(WriteSolidPng(folder.File("a.png"), 2, 2, RED));
    PreloadImages({folder.File("a.png")});
    StopPreloadingImages();
    ASSERT_TRUE(WriteSolidPng(folder.File("a.png"), 2, 2, BLUE));
    EXPECT_EQ(FirstPixel(LoadImage(folder.File("a.png"), 0)), BLUE);
}
