#include "HeadlessTest.h"

#include <map>
#include <utility>

#include "common/Common.h"
#include "platform/Input.h"

using CommonTest = HeadlessTest;

TEST(Common, RoundSendsHalvesUp) {
    const std::pair<double, int> cases[] = {{0.49999, 0}, {0.5, 1},   {-0.5, 0},  {-0.51, -1},
                                            {2.5, 3},     {-2.5, -2}, {-2.6, -3}, {15.0, 15}};
    for (auto [value, expected] : cases) {
        EXPECT_EQ(ccRound(value), expected) << value;
    }
}

TEST(Common, RectanglesThatOnlyTouchDoNotOverlap) {
    struct Case {
        int x2, y2, w2, h2;
        int expected;
    };
    // Against a 10 by 10 rectangle at (0, 0).
    const Case cases[] = {
        {10, 0, 10, 10, 0}, {0, 10, 10, 10, 0},  {10, 10, 5, 5, 0}, {-10, 0, 10, 10, 0},
        {9, 9, 10, 10, 1},  {-9, -9, 10, 10, 1}, {2, 2, 1, 1, 1},   {-5, -5, 30, 30, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ccRectsOverlap(0, 0, 10, 10, c.x2, c.y2, c.w2, c.h2), c.expected)
            << c.x2 << "," << c.y2 << " " << c.w2 << "x" << c.h2;
    }
}

TEST(Common, PadWithZeros) {
    EXPECT_EQ(ccPadWithZeros("42", 5), "00042");
    EXPECT_EQ(ccPadWithZeros("123456", 5), "123456");
    EXPECT_EQ(ccPadWithZeros("", 3), "000");
    EXPECT_EQ(ccPadWithZeros("-7", 4), "00-7");
    EXPECT_EQ(ccPadWithZeros("5", 0), "5");
}

TEST(Common, AddSlash) {
    EXPECT_EQ(ccAddSlash("Data/Images"), "Data/Images/");
    EXPECT_EQ(ccAddSlash("Data/Images/"), "Data/Images/");
    EXPECT_EQ(ccAddSlash("Data\\Images\\"), "Data\\Images\\");
    EXPECT_EQ(ccAddSlash(""), "/");
}

TEST_F(CommonTest, MouseHitStopsAtTheFirstClickedButton) {
    backend.QueueMouseDown(1);
    backend.QueueMouseDown(2);
    EXPECT_EQ(ccMouseHit(), 1);
    EXPECT_EQ(MouseHit(2), 1); // still pending after the first call
    EXPECT_EQ(ccMouseHit(), 0);
    backend.QueueMouseDown(3);
    EXPECT_EQ(ccMouseHit(), 1);
}

TEST_F(CommonTest, FlushAllDropsKeysAndClicks) {
    backend.QueueKeyPress(Key::SPACE);
    backend.QueueMouseDown(1);
    ccFlushAll();
    EXPECT_EQ(KeyHit(Key::SPACE), 0);
    EXPECT_EQ(MouseHit(1), 0);
}

TEST_F(CommonTest, RectOutlineCoversEachBorderPixelOnce) {
    const int x = 5, y = 7, w = 6, h = 4;
    ccDrawRectOutline(x, y, w, h);
    auto lines = OpsOfKind(TDrawKind::Line);
    ASSERT_EQ(lines.size(), 4u);
    // Rasterise the axis-aligned lines as drawn, without their last pixel.
    std::map<std::pair<int, int>, int> covered;
    for (const auto& line : lines) {
        EXPECT_FALSE(line.lastPixel);
        int px = static_cast<int>(line.x), py = static_cast<int>(line.y);
        int ex = static_cast<int>(line.x2), ey = static_cast<int>(line.y2);
        ASSERT_TRUE(px == ex || py == ey);
        int dx = (ex > px) - (ex < px), dy = (ey > py) - (ey < py);
        while (px != ex || py != ey) {
            ++covered[{px, py}];
            px += dx;
            py += dy;
        }
    }
    int border = 0;
    for (int py = y; py < y + h; ++py) {
        for (int px = x; px < x + w; ++px) {
            bool onBorder = px == x || py == y || px == x + w - 1 || py == y + h - 1;
            border += onBorder ? 1 : 0;
            auto it = covered.find(std::make_pair(px, py));
            int times = it == covered.end() ? 0 : it->second;
            EXPECT_EQ(times, onBorder ? 1 : 0) << px << "," << py;
        }
    }
    EXPECT_EQ(static_cast<int>(covered.size()), border);
}

TEST(CommonDeathTest, RunTimeErrorShowsTheMessageAndFails) {
    TPlatform::Instance().UseHeadless();
    EXPECT_EXIT(ccRunTimeError("Error loading image Data/Images/x.png", 1),
                ::testing::ExitedWithCode(1), "Error loading image Data/Images/x.png");
}
