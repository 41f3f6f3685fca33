#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/TDataFolder.h"

namespace {

namespace fs = std::filesystem;

// A prefix laid out as an install: <root>/games/ for the program and
// <root>/share/games/brindlewick/ for its data, each with or without Data/.
struct DataFolderCase {
    const char* name;
    bool besideExe;
    bool inShare;
    const char* expected; // relative to the root
};

class FindDataFolderTest : public ::testing::TestWithParam<DataFolderCase> {
protected:
    void SetUp() override {
        fs::remove_all(root);
        fs::create_directories(root / "games");
        fs::create_directories(root / "share/games/brindlewick");
    }
    void TearDown() override { fs::remove_all(root); }

    const fs::path root = fs::temp_directory_path() / "brindlewick_data_folder_test";
};

TEST_P(FindDataFolderTest, FindsTheFolderThatHoldsData) {
    const DataFolderCase& c = GetParam();
    if (c.besideExe) {
        fs::create_directories(root / "games/Data");
    }
    if (c.inShare) {
        fs::create_directories(root / "share/games/brindlewick/Data");
    }
    EXPECT_EQ(TDataFolder::Find(root / "games", "../share/games/brindlewick"), root / c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FindDataFolderTest,
    ::testing::Values(
        // A build folder or a copy carried whole wins over an install.
        DataFolderCase{"BesideOnly", true, false, "games"},
        DataFolderCase{"BesideAndShare", true, true, "games"},
        DataFolderCase{"ShareOnly", false, true, "share/games/brindlewick"},
        // Nowhere: the program's own folder, where the first picture is then missed.
        DataFolderCase{"Nowhere", false, false, "games"}),
    [](const ::testing::TestParamInfo<DataFolderCase>& info) { return info.param.name; });

TEST(FindDataFolder, AFileNamedDataIsNotTheFolder) {
    const fs::path root = fs::temp_directory_path() / "brindlewick_data_folder_file";
    fs::remove_all(root);
    fs::create_directories(root / "games");
    fs::create_directories(root / "share/games/brindlewick/Data");
    { std::ofstream(root / "games/Data") << "not a folder"; }
    EXPECT_EQ(TDataFolder::Find(root / "games", "../share/games/brindlewick"),
              root / "share/games/brindlewick");
    // With no share folder known (a build that was never meant to be installed).
    EXPECT_EQ(TDataFolder::Find(root / "games", ""), root / "games");
    fs::remove_all(root);
}

} // namespace
