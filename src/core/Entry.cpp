#include "core/Entry.h"

#include <string>
#include <vector>

#include "core/Globals.h"
#include "platform/Clock.h"
#include "platform/Exits.h"
#include "platform/Fonts.h"
#include "platform/Graphics.h"
#include "platform/Images.h"
#include "platform/Input.h"
#include "platform/Random.h"
#include "screens/TIntroScreen.h"
#include "screens/TTitleScreen.h"

namespace {
constexpr int KEY_X = 88;
constexpr int LOGIC_STEPS_PER_SECOND = 200;
constexpr int FONT_PIXEL_SIZE = 64;
constexpr int FONT_SMOOTHED = 4;
constexpr int DEFAULT_IMAGE_FLAGS = -1;

struct SharedImage {
    const char* name;
    int cellWidth; // 0: a single picture
    int cellHeight;
    int cells;
    int midHandle;
};

// In loading order.
constexpr SharedImage SHARED_IMAGES[] = {
    {"logo", 824, 323, 16, 0},        {"player", 140, 123, 8, 1},
    {"playerwhite", 0, 0, 1, 1},      {"background", 0, 0, 1, 0},
    {"pickup", 0, 0, 1, 1},           {"bullet1", 0, 0, 1, 1},
    {"bullet2", 0, 0, 1, 1},          {"Alien1", 100, 100, 20, 1},
    {"Alien1White", 100, 100, 20, 1}, {"Alien2", 168, 100, 20, 1},
    {"Alien2White", 168, 100, 20, 1}, {"AlienBullet", 0, 0, 1, 1},
    {"AlienBullet2", 0, 0, 1, 1},     {"turret", 0, 0, 1, 1},
    {"TurretWhite", 0, 0, 1, 1},      {"win", 0, 0, 1, 1},
    {"explosion", 0, 0, 1, 1},        {"particlering", 0, 0, 1, 1},
    {"particlering2", 0, 0, 1, 1},    {"particle1", 0, 0, 1, 1},
    {"particle2", 0, 0, 1, 1},
};
// The pictures of start-up, the splash and the title, in the order they are
// needed.
std::vector<std::string> StartUpPictures() {
    std::vector<std::string> files;
    for (const auto& image : SHARED_IMAGES) {
        files.push_back(imageBank->path + image.name + imageBank->defaultExt);
    }
    files.push_back(TIntroScreen::PicturePath());
    files.push_back(TTitleScreen::PicturePath());
    return files;
}
} // namespace

int StartUp() {
    game = TGame::Create();
    renderer = std::make_shared<TRenderer>();
    imageBank = TImageBank::Create(game->imagePath);
    // Pictures decode on a worker while the display and the sound device
    // open and while each one before them is made ready for drawing.
    PreloadImages(StartUpPictures());
    SeedRnd(MilliSecs());
    game->testMode = 0;
    game->debugPanelY = 100;
    game->name = "Brindlewick";
    game->versionString = "1.0";
    game->SetupTitleBar();
    game->InitFixedRateLogic(LOGIC_STEPS_PER_SECOND);
    game->useRemainderDelta = 1;
    game->music = 1;
    renderer->SetFullScreen(1);
    return 0;
}

int LoadData() {
    // A missing font is not fatal: text falls back to the built-in font.
    mainFont = LoadImageFont(game->fontPath + "verabd.ttf", FONT_PIXEL_SIZE, FONT_SMOOTHED);
    for (const auto& image : SHARED_IMAGES) {
        if (image.cellWidth > 0) {
            imageBank->LoadAnim(image.name, image.cellWidth, image.cellHeight, 0, image.cells,
                                DEFAULT_IMAGE_FLAGS, image.midHandle);
        } else {
            imageBank->Load(image.name, "", DEFAULT_IMAGE_FLAGS, image.midHandle);
        }
    }
    return 0;
}

bool QuitChordPressed() {
    return KeyHit(KEY_X) && (KeyDown(Key::LCONTROL) || KeyDown(Key::RCONTROL));
}

bool MainLoopPass() {
    if (game->Logic()) {
        return false;
    }
    game->Draw();
    GrabPixmap(1, 1, 1, 1);
    Flip(1);
    Delay(1);
    return true;
}

int RunMainLoop() {
    while (!QuitChordPressed()) {
        if (!MainLoopPass()) {
            break;
        }
    }
    return 0;
}

int Finish() {
    End();
}

int BrindlewickMain() {
    StartUp();
    LoadData();
    game->AddScreenToStack(TIntroScreen::Create());
    RunMainLoop();
    Finish();
}
