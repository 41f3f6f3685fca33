#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/PngFixture.h"
#include "platform/RealDisplayTest.h"
#include "platform/TWindowIcon.h"

namespace {

const std::string kGeneratedIcon = std::string(BRINDLEWICK_DATA_DIR) + "/" + TWindowIcon::PATH;

class WindowIconTest : public RealDisplayTest {};

TEST_F(WindowIconTest, TheGeneratedIconGoesOnTheWindow) {
    if (!std::filesystem::exists(kGeneratedIcon)) {
        GTEST_SKIP() << "no generated data at " << kGeneratedIcon;
    }
    const TWindowIcon icon(kGeneratedIcon);
    ASSERT_TRUE(icon.Loaded());
    EXPECT_EQ(icon.Size(), 64);
    EXPECT_TRUE(icon.ApplyTo(backend->Window()));
}

TEST_F(WindowIconTest, ABadOrMissingFileMeansNoIcon) {
    TempFolder folder("brindlewick_window_icon");
    { std::ofstream(folder.File("noise.png")) << "not a picture at all"; }
    ASSERT_TRUE(WritePng(folder.File("good.png"), 2, 2, std::vector<uint32_t>(4, 0xff00ff00u)));
    for (const std::string& path :
         {folder.File("missing.png"), folder.File("noise.png"), std::string()}) {
        const TWindowIcon icon(path);
        EXPECT_FALSE(icon.Loaded()) << path;
        EXPECT_FALSE(icon.ApplyTo(backend->Window())) << path;
    }
    const TWindowIcon good(folder.File("good.png"));
    EXPECT_TRUE(good.Loaded());
    EXPECT_FALSE(good.ApplyTo(nullptr)); // no window, nothing to do
    EXPECT_TRUE(good.ApplyTo(backend->Window()));
}

} // namespace
