#include "HeadlessTest.h"

#include "display/ImageLoading.h"
#include "display/TImageBank.h"
#include "platform/Graphics.h"
#include "platform/Images.h"
#include "platform/PngFixture.h"

using ImageBankTest = HeadlessTest;
using ImageBankDeathTest = HeadlessTest;

namespace {
TGameImagePtr Stored(TImageBank& bank, const std::string& key, int width, int height, int cells,
                     int mid) {
    auto image = TGameImage::CreateFromImage(CreateImage(width, height, cells), key, mid);
    bank.Insert(key, image);
    return image;
}
} // namespace

TEST_F(ImageBankTest, FindIgnoresCase) {
    auto bank = TImageBank::Create("Data/Images");
    EXPECT_EQ(bank->path, "Data/Images/");
    auto player = Stored(*bank, "PLAYER", 140, 123, 8, 1);
    EXPECT_EQ(bank->Find("player"), player);
    EXPECT_EQ(bank->Find("PLAYER"), player);
    EXPECT_EQ(bank->Find("Player"), player);
    EXPECT_EQ(bank->FindTImage("pLaYeR"), player->image);
    EXPECT_EQ(bank->FindTImage("nothing"), nullptr);
}

TEST_F(ImageBankTest, InsertingUnderATakenNameReplacesTheImage) {
    auto bank = TImageBank::Create("Data/Images/");
    Stored(*bank, "HERO", 10, 10, 1, 0);
    auto second = Stored(*bank, "HERO", 20, 20, 1, 0);
    EXPECT_EQ(bank->Count(), 1);
    EXPECT_EQ(bank->Find("hero"), second);
}

TEST_F(ImageBankTest, HalvesAreTruncatedAndTheMidHandleCentresTheImage) {
    auto image = TGameImage::CreateFromImage(CreateImage(101, 51), "odd", 1);
    EXPECT_EQ(image->name, "odd"); // kept as passed
    EXPECT_EQ(image->w, 101);
    EXPECT_EQ(image->w2, 50.0f);
    EXPECT_EQ(image->h2, 25.0f);
    EXPECT_EQ(image->midHandled, 1);
    image->Draw(300.0f, 200.0f);
    auto draws = OpsOfKind(TDrawKind::Image);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].handleX, 50.5f);
    EXPECT_EQ(draws[0].handleY, 25.5f);
    EXPECT_EQ(draws[0].frame, 0);
    image->SetMidHandle(0);
    EXPECT_EQ(image->image->handleX, 0.0f);
    EXPECT_EQ(image->midHandled, 0);
}

TEST(ImageLoading, Pow2Size) {
    const std::pair<int, int> cases[] = {{-5, 1},    {0, 1},     {1, 1},    {2, 2},
                                         {100, 128}, {128, 128}, {129, 256}};
    for (auto [n, expected] : cases) {
        EXPECT_EQ(ccPow2Size(n), expected) << n;
    }
}

TEST_F(ImageBankTest, MemoryFiguresOfAStrip) {
    auto bank = TImageBank::Create("Data/Images/");
    auto strip = Stored(*bank, "ALIEN1", 100, 100, 20, 1);
    EXPECT_EQ(strip->CalcRAM(), 800000);
    EXPECT_EQ(strip->CalcVRAM(), 1310720);
    EXPECT_EQ(bank->CalcRAM(), 781);
    EXPECT_EQ(bank->CalcVRAM(), 1280);
}

TEST_F(ImageBankDeathTest, UnknownNamesAndMissingFilesAreFatal) {
    auto bank = TImageBank::Create("/nonexistent/Images/");
    EXPECT_EXIT(bank->Find("player"), ::testing::ExitedWithCode(1),
                "Image 'PLAYER' was not found in the ImageBank");
    EXPECT_EXIT(bank->Load("player", "", -1, 1), ::testing::ExitedWithCode(1),
                "Error loading image /nonexistent/Images/player.png");
    EXPECT_EXIT(bank->Load("shot.jpg", "", -1, 1), ::testing::ExitedWithCode(1),
                "Error loading image /nonexistent/Images/shot.jpg");
    EXPECT_EXIT(bank->LoadAnim("logo.png", 824, 323, 0, 16, -1, 0), ::testing::ExitedWithCode(1),
                "Error loading anim image /nonexistent/Images/logo.png.png");
}

TEST_F(ImageBankTest, LoadNamesImagesAfterTheirFileOrTheNameGiven) {
    TempFolder folder("brindlewick_bank_load");
    ASSERT_TRUE(WriteSolidPng(folder.File("player.png"), 101, 51, 0xff20a0ffu));
    ASSERT_TRUE(WriteSolidPng(folder.File("shot.jpg"), 8, 8, 0xffffffffu)); // a PNG all the same
    auto bank = TImageBank::Create(folder.File(""));
    bank->Load("player", "", -1, 1);
    bank->Load("shot.jpg", "", -1, 0);
    bank->Load("player", "hero", -1, 0);
    EXPECT_EQ(bank->Count(), 3);
    auto player = bank->Find("PLAYER");
    EXPECT_EQ(player->w, 101);
    EXPECT_EQ(player->w2, 50.0f);
    EXPECT_EQ(player->midHandled, 1);
    EXPECT_EQ(bank->Find("shot")->w, 8);
    EXPECT_EQ(bank->Find("Hero")->name, "HERO");
}
