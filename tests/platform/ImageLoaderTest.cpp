#include <gtest/gtest.h>

#include <zlib.h>

#include <array>
#include <fstream>

#include "PngFixture.h"
#include "platform/Images.h"

namespace {

constexpr uint32_t RED = 0xffff0000u;
constexpr uint32_t BLACK = 0xff000000u;

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

void PutBigEndian(std::vector<unsigned char>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<unsigned char>(value >> shift));
    }
}

// The signature and a well-formed header of a PNG of any claimed size, no pixels.
std::vector<unsigned char> PngHeaderClaiming(uint32_t width, uint32_t height) {
    std::vector<unsigned char> bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    PutBigEndian(bytes, 13);
    std::vector<unsigned char> chunk{'I', 'H', 'D', 'R'};
    PutBigEndian(chunk, width);
    PutBigEndian(chunk, height);
    chunk.insert(chunk.end(), {8, 6, 0, 0, 0}); // 8-bit RGBA
    bytes.insert(bytes.end(), chunk.begin(), chunk.end());
    PutBigEndian(bytes,
                 static_cast<uint32_t>(crc32(0, chunk.data(), static_cast<uInt>(chunk.size()))));
    return bytes;
}

} // namespace

TEST(ImageLoader, BadFilesGiveNull) {
    TempFolder folder("brindlewick_bad_png");
    ASSERT_TRUE(WriteSolidPng(folder.File("whole.png"), 64, 64, RED));
    std::ifstream whole(folder.File("whole.png"), std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(whole)), {});
    WriteBytes(folder.File("truncated.png"), {bytes.begin(), bytes.begin() + bytes.size() / 2});
    WriteBytes(folder.File("text.png"), {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'});
    WriteBytes(folder.File("wide.png"), PngHeaderClaiming(16385, 1));
    WriteBytes(folder.File("tall.png"), PngHeaderClaiming(1, 100000));
    WriteBytes(folder.File("empty.png"), {});

    for (const char* name :
         {"missing.png", "truncated.png", "text.png", "wide.png", "tall.png", "empty.png"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(LoadImage(folder.File(name), -1), nullptr);
        EXPECT_EQ(LoadAnimImage(folder.File(name), 8, 8, 0, 1, -1), nullptr);
    }
    EXPECT_NE(LoadImage(folder.File("whole.png"), -1), nullptr);
}

TEST(ImageLoader, CellsAreReadAcrossThenDownAndHonourFirstAndCount) {
    TempFolder folder("brindlewick_anim_png");
    // A 3 by 2 grid of 4 by 4 cells; cell n is coloured n + 1 in blue.
    std::vector<uint32_t> pixels(12 * 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x) {
            pixels[y * 12 + x] = 0xff000000u | static_cast<uint32_t>((y / 4) * 3 + x / 4 + 1);
        }
    }
    ASSERT_TRUE(WritePng(folder.File("grid.png"), 12, 8, pixels));

    auto image = LoadAnimImage(folder.File("grid.png"), 4, 4, 2, 3, 0);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(ImageWidth(image), 4);
    EXPECT_EQ(ImageHeight(image), 4);
    ASSERT_EQ(CountFrames(image), 3);
    for (int cell = 0; cell < 3; ++cell) {
        EXPECT_EQ(LockImage(image, cell)->ReadPixel(3, 3), 0xff000000u | (cell + 3)) << cell;
    }
    // More cells than the sheet holds, or a cell larger than the sheet.
    EXPECT_EQ(LoadAnimImage(folder.File("grid.png"), 4, 4, 2, 5, 0), nullptr);
    EXPECT_EQ(LoadAnimImage(folder.File("grid.png"), 16, 4, 0, 1, 0), nullptr);
}

TEST(ImageLoader, MaskedImagesMakePureBlackTransparentOthersKeepIt) {
    TempFolder folder("brindlewick_mask_png");
    ASSERT_TRUE(WritePng(folder.File("dot.png"), 3, 1, {BLACK, RED, 0xff010000u}));

    auto masked = LoadImage(folder.File("dot.png"), -1);
    auto plain = LoadImage(folder.File("dot.png"), 0);
    ASSERT_NE(masked, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(LockImage(masked)->ReadPixel(0, 0) >> 24, 0u);
    EXPECT_EQ(LockImage(masked)->ReadPixel(1, 0), RED);
    EXPECT_EQ(LockImage(masked)->ReadPixel(2, 0), 0xff010000u); // nearly black is not black
    EXPECT_EQ(LockImage(plain)->ReadPixel(0, 0), BLACK);
}

TEST(ImageLoader, PathsAreFoundWhateverTheirCase) {
    TempFolder folder("brindlewick_case_png");
    ASSERT_TRUE(WriteSolidPng(folder.File("Gear.PNG"), 2, 2, RED));
    EXPECT_NE(LoadImage(folder.File("gear.png"), 0), nullptr);
}
