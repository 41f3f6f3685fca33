#include "platform/RealDisplayTest.h"

#include <SDL.h>

#include <filesystem>

#include "core/Entry.h"
#include "core/Globals.h"
#include "screens/TIntroScreen.h"

namespace {

void PushKey(Uint32 type, SDL_Keycode key, SDL_Scancode scancode) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = scancode;
    SDL_PushEvent(&event);
}

// Whether any pixel of rows top to top + height of the grabbed screen is
// within a small distance of the colour.
bool RowsHold(const TPixmap& screen, int top, int height, Rgb colour) {
    for (int y = top; y < top + height; ++y) {
        for (int x = 0; x < screen.Width(); ++x) {
            const Rgb got = Rgb::Of(screen.ReadPixel(x, y));
            if (std::abs(got.r - colour.r) <= 12 && std::abs(got.g - colour.g) <= 12 &&
                std::abs(got.b - colour.b) <= 12) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

// The real program's start-up, data and first screens, drawn off screen.
class RealTitleTest : public RealDisplayTest {
protected:
    void SetUp() override {}

    ~RealTitleTest() override {
        game.reset();
        renderer.reset();
        imageBank.reset();
        mainFont.reset();
        std::filesystem::current_path(previous_);
    }

    std::filesystem::path previous_ = std::filesystem::current_path();
};

TEST_F(RealTitleTest, TitlePromptsShowInTheirColoursOnTheirRows) {
    const std::filesystem::path data = BRINDLEWICK_DATA_DIR;
    if (!std::filesystem::exists(data / "Data" / "Images" / "title.png")) {
        GTEST_SKIP() << "no generated data folder";
    }
    std::filesystem::current_path(data);
    StartUp();
    LoadData();
    ASSERT_TRUE(mainFont);
    game->AddScreenToStack(TIntroScreen::Create());

    // Skip the splash with Space and let the title draw a few frames.
    PushKey(SDL_KEYDOWN, SDLK_SPACE, SDL_SCANCODE_SPACE);
    PushKey(SDL_KEYUP, SDLK_SPACE, SDL_SCANCODE_SPACE);
    for (int pass = 0; pass < 200 && game->currentScreen->name != "Title"; ++pass) {
        ASSERT_TRUE(MainLoopPass());
    }
    ASSERT_EQ(game->currentScreen->name, "Title");
    game->Draw();
    auto screen = GrabPixmap(0, 0, 1024, 768);

    struct Prompt {
        int top;
        Rgb colour;
    };
    const Prompt prompts[] = {{618, {100, 230, 100}}, {666, {230, 100, 230}}, {714, {255, 255, 0}}};
    for (const auto& p : prompts) {
        SCOPED_TRACE(p.top);
        EXPECT_TRUE(RowsHold(*screen, p.top, 34, p.colour));
        // Each colour is its own prompt's: not on the row band of another.
        for (const auto& other : prompts) {
            if (other.top != p.top) {
                EXPECT_FALSE(RowsHold(*screen, other.top + 4, 26, p.colour)) << other.top;
            }
        }
    }
}
