#include "HeadlessTest.h"

#include <set>

#include "platform/Random.h"

using RandomTest = HeadlessTest;

TEST_F(RandomTest, RandCoversBothEndsAndSwapsReversedEnds) {
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        int value = Rand(5, 2);
        ASSERT_GE(value, 2);
        ASSERT_LE(value, 5);
        seen.insert(value);
    }
    EXPECT_EQ(seen, (std::set<int>{2, 3, 4, 5}));
    EXPECT_EQ(Rand(7, 7), 7);
}

TEST_F(RandomTest, RndStaysBelowItsUpperEnd) {
    for (int i = 0; i < 2000; ++i) {
        double value = Rnd(0.0, 100.0);
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 100.0);
    }
}

TEST_F(RandomTest, TheSameSeedRepeatsTheSameNumbers) {
    SeedRnd(1234);
    int a = Rand(0, 1000000);
    double b = Rnd(0.0, 1.0);
    SeedRnd(1234);
    EXPECT_EQ(Rand(0, 1000000), a);
    EXPECT_EQ(Rnd(0.0, 1.0), b);
}

TEST_F(RandomTest, FullIntRangeDoesNotOverflow) {
    SeedRnd(1);
    std::set<int> signs;
    for (int i = 0; i < 100; ++i) {
        signs.insert(Rand(INT32_MIN, INT32_MAX) < 0 ? -1 : 1);
    }
    EXPECT_EQ(signs.size(), 2u);
}
