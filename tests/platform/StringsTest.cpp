#include <gtest/gtest.h>

#include "platform/Strings.h"

TEST(Strings, TextHelpers) {
    EXPECT_EQ(Upper("Credits 2"), "CREDITS 2");
    EXPECT_EQ(Left("Brindlewick", 5), "Brind");
    EXPECT_EQ(Left("Hi", 5), "Hi");
    EXPECT_EQ(Right("Brindlewick", 4), "wick");
    EXPECT_EQ(Mid("Brindlewick", 3, 4), "indl");
    EXPECT_EQ(Mid("Brindlewick", 9), "ick");
    EXPECT_EQ(Trim("  time up \t"), "time up");
    EXPECT_EQ(RSet("42", 5), "   42");
    EXPECT_EQ(RSet("123456", 3), "456");
    EXPECT_EQ(TextLength("d\xc3\xa9j\xc3\xa0"), 4);
    EXPECT_EQ(Left("d\xc3\xa9j\xc3\xa0", 2), "d\xc3\xa9");
}

TEST(Strings, PathHelpers) {
    struct Case {
        const char* path;
        const char* all;
        const char* noExt;
        const char* ext;
    };
    const Case cases[] = {
        {"Data/Images/player.png", "player", "Data/Images/player", "png"},
        {"player", "player", "player", ""},
        {"shot.jpg", "shot", "shot", "jpg"},
        {"Data\\Images\\logo.png.png", "logo.png", "Data\\Images\\logo.png", "png"},
        {"my.dir/file", "file", "my.dir/file", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(StripAll(c.path), c.all);
        EXPECT_EQ(StripExt(c.path), c.noExt);
        EXPECT_EQ(ExtractExt(c.path), c.ext);
    }
}

TEST(Strings, BrokenUtf8CountsEachStrayByteOnce) {
    EXPECT_EQ(TextLength("a\xff"
                         "b"),
              3);
    EXPECT_EQ(TextLength("\xe2\x82"), 2); // cut short
}
