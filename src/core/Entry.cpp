#include "core/Entry.h"

#include "core/Globals.h"
#include "platform/Clock.h"
#include "platform/Exits.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Random.h"

namespace {
constexpr int KEY_X = 88;
constexpr int LOGIC_STEPS_PER_SECOND = 200;
} // namespace

int StartUp() {
    game = TGame::Create();
    SeedRnd(MilliSecs());
    game->testMode = 0;
    game->debugPanelY = 100;
    game->name = "Brindlewick";
    game->versionString = "1.0";
    game->SetupTitleBar();
    game->InitFixedRateLogic(LOGIC_STEPS_PER_SECOND);
    game->useRemainderDelta = 1;
    game->music = 1;
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
    // Nothing to show yet: the display and the first screen are still to come.
    Finish();
}
