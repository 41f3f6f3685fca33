#include "HeadlessTest.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/OtherHelpers.h"
#include "platform/Graphics.h"

TEST(OtherHelpers, FastRandStaysWithinItsEnds) {
    ccFastRandSeed(11);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        EXPECT_EQ(ccFastRand(3, 3), 3);
        const int roll = ccFastRand(-5, 5);
        ASSERT_GE(roll, -5);
        ASSERT_LE(roll, 5);
        seen.insert(roll);
        // Ends given the wrong way round, or one apart that way, still stay between them.
        const int swapped = ccFastRand(10, 5);
        ASSERT_GE(swapped, 5);
        ASSERT_LE(swapped, 10);
        const int close = ccFastRand(5, 4);
        ASSERT_TRUE(close == 4 || close == 5) << close;
        ccFastRand(INT_MIN, INT_MAX);
    }
    EXPECT_EQ(seen.size(), 11u);
}

TEST(OtherHelpers, FastRandRepeatsFromItsSeed) {
    auto draws = [] {
        std::vector<int> values;
        for (int i = 0; i < 20; ++i) {
            values.push_back(ccFastRand(0, 1000));
        }
        return values;
    };
    EXPECT_EQ(ccFastRandSeed(7), 0);
    const auto first = draws();
    ccFastRandSeed(7);
    EXPECT_EQ(draws(), first);
}

TEST(OtherHelpers, FormatNumber) {
    struct Case {
        double value;
        int decimals, groupSize, width;
        const char* expected;
    };
    const Case cases[] = {
        {1234.5, 2, 3, 0, "1,234.50"},
        {42.0, 0, 0, 0, "42"},
        {-123.5, 0, 3, 0, "-,123"}, // the sign counts as a grouped character
        {-1234567.0, 0, 3, 0, "-1,234,567"},
        {1234567.0, 0, 3, 0, "1,234,567"},
        {2.999, 2, 0, 0, "2.99"}, // cut, not rounded
        {0.5, 0, 0, 0, "0"},
        {-7.25, 1, 0, 0, "-7.2"},
        {1234.5, 2, 0, 6, "  1234.50"}, // field of 6 + 2 + 1
        {1234.5, 2, 0, 4, "1234.50"},   // exactly fills its field
        {1234.5, 2, 0, 3, " Error"},    // one too wide for a field of 6
        {1234.5, 0, 3, 6, " 1,234"},    // no point: a field of 6
        {12345.5, 0, 3, 5, "Error"},    // 12,345 does not fit in 5 + 0
        {1234.5, 0, -3, 0, "1234"},     // no grouping for a negative group size
        {1234567.0, -5, 2, 0, "1,23"},  // cut before the point: group what is left
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ccFormatNumber(c.value, c.decimals, c.groupSize, c.width), c.expected)
            << c.value << " decimals " << c.decimals << " group " << c.groupSize << " width "
            << c.width;
    }
}

TEST(OtherHelpers, RoundFloatSendsHalvesAwayFromZero) {
    struct Case {
        float value;
        int places;
        float expected;
    };
    const Case cases[] = {
        {2.345f, 2, 2.35f},
        {-2.345f, 2, -2.35f},
        {2.5f, 0, 3.0f},
        {-2.5f, 0, -3.0f},
        {0.125f, 2, 0.13f},
        {-0.125f, 2, -0.13f},
        {1.249f, 1, 1.2f},
        {-1.26f, 1, -1.3f},
        {0.0f, 3, 0.0f},
        {1250.0f, -2, 1300.0f},
        {-1249.0f, -2, -1200.0f},
        {3.0e9f, 2, 3.0e9f}, // too big for a whole number of hundredths in an Int
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(ccRoundFloat(c.value, c.places), c.expected, std::abs(c.expected) * 1e-6f)
            << c.value << " to " << c.places;
    }
}

TEST(OtherHelpers, DistancesAndCircles) {
    EXPECT_DOUBLE_EQ(ccPointToPointDist(1.0, 2.0, 4.0, 6.0), 5.0);
    EXPECT_FLOAT_EQ(ccCircleHalfWidthAtY(5.0f, 3.0f), 4.0f);
    EXPECT_FLOAT_EQ(ccCircleHalfWidthAtY(5.0f, -5.0f), 0.0f);
    EXPECT_TRUE(std::isnan(ccCircleHalfWidthAtY(5.0f, 6.0f)));
}

TEST(OtherHelpers, CircleMeetsSegmentOnlyWhenCloserThanTheRadius) {
    struct Case {
        double x1, y1, x2, y2, cx, cy, radius;
        int expected;
    };
    const Case cases[] = {
        {0, 0, 10, 0, 5, 3, 3.0, 0}, // exactly the radius away
        {0, 0, 10, 0, 5, 3, 3.01, 1},
        {0, 0, 10, 0, 5, -2, 3.0, 1}, // the other side
        {0, 0, 10, 0, 12, 0, 2.5, 1}, // past the end: nearest is (10, 0)
        {0, 0, 10, 0, 12, 0, 2.0, 0},
        {0, 0, 10, 0, 13, 1, 2.5, 0}, // near the line beyond the end, far from the segment
        {0, 0, 10, 0, -3, 0, 3.5, 1}, // before the start
        {10, 0, 0, 0, -3, 0, 2.9, 0},
        {0, 0, 10, 10, 0, 10, 7.1, 1}, // slanted: nearest (5, 5), 7.07 away
        {0, 0, 10, 10, 0, 10, 7.0, 0},
        {5, 5, 5, 5, 5, 6, 1.5, 1}, // a point of a segment
        {5, 5, 5, 5, 5, 6, 1.0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ccCircleLineIntersect2(c.x1, c.y1, c.x2, c.y2, c.cx, c.cy, c.radius), c.expected)
            << "(" << c.x1 << "," << c.y1 << ")-(" << c.x2 << "," << c.y2 << ") to (" << c.cx << ","
            << c.cy << ") radius " << c.radius;
    }
}

TEST(OtherHelpers, MusicalNotes) {
    EXPECT_FLOAT_EQ(ccGetMusicalNote(0), 1.0f);
    EXPECT_FLOAT_EQ(ccGetMusicalNote(12), 2.0f);
    EXPECT_FLOAT_EQ(ccGetMusicalNote(-12), 0.5f);
    EXPECT_FLOAT_EQ(ccGetMusicalNote(7), 1.4983071f); // a fifth
    // Two octaves of the C major scale, in semitones above C.
    const int semitones[] = {0, 2, 4, 5, 7, 9, 11, 12, 14, 16, 17, 19, 21, 23, 24};
    for (int degree = 0; degree <= 14; ++degree) {
        EXPECT_FLOAT_EQ(ccGetMusicalNoteInScaleC(degree),
                        static_cast<float>(std::pow(2.0, semitones[degree] / 12.0)))
            << "degree " << degree;
    }
    EXPECT_EQ(ccGetMusicalNoteInScaleC(7), 2.0f);
    EXPECT_EQ(ccGetMusicalNoteInScaleC(14), 4.0f);
    // Outside the two octaves: 10 semitones more above, none below.
    EXPECT_FLOAT_EQ(ccGetMusicalNoteInScaleC(15), static_cast<float>(std::pow(2.0, 25 / 12.0)));
    EXPECT_FLOAT_EQ(ccGetMusicalNoteInScaleC(-1), static_cast<float>(std::pow(2.0, -1 / 12.0)));
}

namespace {

std::vector<TObjectPtr> Elements(const TList& list) {
    std::vector<TObjectPtr> elements;
    for (const TObjectPtr& element : list) {
        elements.push_back(element);
    }
    return elements;
}

} // namespace

TEST(OtherHelpers, AddListsAppendsTheSourceInOrder) {
    auto a = std::make_shared<TObject>(), b = std::make_shared<TObject>(),
         c = std::make_shared<TObject>();
    auto target = TList::Create();
    target->AddLast(a);
    auto source = TList::Create();
    source->AddLast(b);
    source->AddLast(nullptr);
    source->AddLast(c);

    EXPECT_EQ(ccAddLists(target, source), 1);
    EXPECT_EQ(Elements(*target), (std::vector<TObjectPtr>{a, b, c}));
    EXPECT_EQ(Elements(*source), (std::vector<TObjectPtr>{b, nullptr, c}));

    // A list added to itself doubles once.
    EXPECT_EQ(ccAddLists(source, source), 1);
    EXPECT_EQ(Elements(*source), (std::vector<TObjectPtr>{b, nullptr, c, b, c}));
}

TEST(OtherHelpers, AddListsWithNothingToAddChangesNothing) {
    auto target = TList::Create();
    target->AddLast(std::make_shared<TObject>());
    EXPECT_EQ(ccAddLists(target, TList::Create()), 0);
    EXPECT_EQ(ccAddLists(target, nullptr), 0);
    EXPECT_EQ(target->Count(), 1);
    auto source = TList::Create();
    source->AddLast(std::make_shared<TObject>());
    EXPECT_EQ(ccAddLists(nullptr, source), 0);
}

using OtherHelpersDrawTest = HeadlessTest;

TEST_F(OtherHelpersDrawTest, PreciseOutlineRunsAroundTheWholeRectangle) {
    EXPECT_EQ(ccDrawRectOutlinePrecise(1.5f, 2.5f, 10.0f, 5.0f), 0);
    auto lines = OpsOfKind(TDrawKind::Line);
    ASSERT_EQ(lines.size(), 4u);
    const float expected[4][4] = {
        {1.5f, 2.5f, 11.5f, 2.5f},
        {11.5f, 2.5f, 11.5f, 7.5f},
        {11.5f, 7.5f, 1.5f, 7.5f},
        {1.5f, 7.5f, 1.5f, 2.5f},
    };
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(lines[i].x, expected[i][0]) << i;
        EXPECT_EQ(lines[i].y, expected[i][1]) << i;
        EXPECT_EQ(lines[i].x2, expected[i][2]) << i;
        EXPECT_EQ(lines[i].y2, expected[i][3]) << i;
        EXPECT_FALSE(lines[i].lastPixel) << i;
    }
}

TEST_F(OtherHelpersDrawTest, GraphicsModesArePrintedOnePerLine) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(ccPrintGraphicsModes(), 0);
    const std::string output = testing::internal::GetCapturedStdout();

    std::istringstream lines(output);
    std::string line;
    int count = 0;
    for (; std::getline(lines, line); ++count) {
        int width = 0, height = 0, depth = 0, hertz = 0;
        ASSERT_TRUE(GetGraphicsMode(count, width, height, depth, hertz));
        std::ostringstream expected;
        expected << count << " Width: " << width << " Height: " << height << " Depth: " << depth
                 << " Hertz: " << hertz;
        EXPECT_EQ(line, expected.str());
    }
    EXPECT_EQ(count, CountGraphicsModes());
    ASSERT_GE(count, 1);
    EXPECT_EQ(output.substr(0, output.find('\n')), "0 Width: 1024 Height: 768 Depth: 32 Hertz: 60");
}

namespace {

// Sets XDG_DATA_DIRS for one test and puts back what was there.
class DataDirsVariable {
public:
    DataDirsVariable() {
        if (const char* value = std::getenv(NAME)) {
            saved_ = value;
        }
    }
    ~DataDirsVariable() {
        if (saved_) {
            setenv(NAME, saved_->c_str(), 1);
        } else {
            unsetenv(NAME);
        }
    }
    void Set(const std::string& value) { setenv(NAME, value.c_str(), 1); }
    void Unset() { unsetenv(NAME); }

private:
    static constexpr const char* NAME = "XDG_DATA_DIRS";
    std::optional<std::string> saved_;
};

} // namespace

TEST(OtherHelpers, SharedDataFolderIsTheFirstSystemDataFolder) {
    DataDirsVariable variable;
    const auto folder = std::filesystem::temp_directory_path() / "brindlewick-shared-data";
    std::filesystem::create_directories(folder);

    variable.Set(folder.string() + ":/usr/share");
    EXPECT_EQ(ccGetSharedUserDataFolder(), folder.string());
    variable.Set(folder.string());
    EXPECT_EQ(ccGetSharedUserDataFolder(), folder.string());
    // Only the first entry counts, and only when it is there.
    variable.Set((folder / "missing").string() + ":" + folder.string());
    EXPECT_EQ(ccGetSharedUserDataFolder(), "");
    variable.Set("relative/share:" + folder.string());
    EXPECT_EQ(ccGetSharedUserDataFolder(), "");
    variable.Set(":" + folder.string());
    EXPECT_EQ(ccGetSharedUserDataFolder(), "");

    // Unset or empty: the system's default, when this machine has it.
    const std::string fallback =
        std::filesystem::is_directory("/usr/local/share") ? "/usr/local/share" : "";
    variable.Unset();
    EXPECT_EQ(ccGetSharedUserDataFolder(), fallback);
    variable.Set("");
    EXPECT_EQ(ccGetSharedUserDataFolder(), fallback);

    std::filesystem::remove(folder);
}
