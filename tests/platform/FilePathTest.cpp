#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/FilePath.h"

namespace fs = std::filesystem;

TEST(FilePath, LowerCasePathsFindTheFilesOnACaseSensitiveDisk) {
    auto root = fs::temp_directory_path() / "brindlewick_filepath_test";
    fs::remove_all(root);
    fs::create_directories(root / "Data" / "Images");
    std::ofstream(root / "Data" / "Images" / "gear.png") << "x";
    const auto base = root.string() + "/";

    EXPECT_EQ(ResolvePath(base + "data/images/gear.png"), base + "Data/Images/gear.png");
    EXPECT_EQ(ResolvePath(base + "DATA/IMAGES/GEAR.PNG"), base + "Data/Images/gear.png");
    EXPECT_EQ(ResolvePath(base + "Data/Images/gear.png"), base + "Data/Images/gear.png");
    // Nothing to find: the path comes back as it was and opening it fails as usual.
    EXPECT_EQ(ResolvePath(base + "data/images/missing.png"), base + "data/images/missing.png");
    fs::remove_all(root);
}

TEST(FilePath, RelativePathsResolveFromTheCurrentFolder) {
    auto root = fs::temp_directory_path() / "brindlewick_filepath_rel";
    fs::remove_all(root);
    fs::create_directories(root / "Data");
    std::ofstream(root / "Data" / "tarnhollow.png") << "x";
    auto previous = fs::current_path();
    fs::current_path(root);
    EXPECT_EQ(ResolvePath("data/TARNHOLLOW.png"), "Data/tarnhollow.png");
    fs::current_path(previous);
    fs::remove_all(root);
}
