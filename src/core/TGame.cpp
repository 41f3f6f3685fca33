#include "core/TGame.h"

#include <cmath>

#include "common/Common.h"
#include "core/Globals.h"
#include "core/TChannelArray.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Strings.h"

namespace {
// Longest stretch of time one frame accounts for: beyond it the game slows
// down instead of running a burst of steps.
constexpr int MAX_FRAME_MS = 100;
constexpr int DEBUG_LINE_SPACING = 15;
constexpr int KEY_D = 68;
constexpr int KEY_P = 80;

bool CtrlHeld() {
    return KeyDown(Key::LCONTROL) || KeyDown(Key::RCONTROL);
}
} // namespace

std::shared_ptr<TGame> TGame::Create() {
    auto created = std::make_shared<TGame>();
    created->screenStack = TList::Create();
    created->channelArray = TChannelArray::Create(16);
    return created;
}

int TGame::AddScreenToStack(const TScreenPtr& screen) {
    screenStack->AddLast(screen);
    currentScreen = screen;
    return 0;
}

int TGame::RemoveScreenFromStack(const TScreenPtr& screen) {
    screenStack->Remove(screen);
    return 0;
}

int TGame::ChangeScreen(const TScreenPtr& screen) {
    lastScreenName = currentScreen ? Upper(currentScreen->name) : std::string();
    RemoveScreenFromStack(currentScreen);
    AddScreenToStack(screen);
    screen->Start();
    FlushKeys();
    FlushMouse();
    return 0;
}

int TGame::InitFixedRateLogic(int rate) {
    useFixedRateLogic = 1;
    frameRate = static_cast<float>(rate);
    msPerFrame = 1000.0f / frameRate;
    lastTime = MilliSecs();
    return 0;
}

int TGame::CalcLogicLoops(float& remainder) {
    int now = MilliSecs();
    // Unsigned difference, so a wrapping clock still gives the true gap.
    int elapsed = static_cast<int>(static_cast<unsigned>(now) - static_cast<unsigned>(lastTime));
    if (elapsed < 0) {
        elapsed = 0;
    } else if (elapsed > MAX_FRAME_MS) {
        elapsed = MAX_FRAME_MS;
    }
    int loops = static_cast<int>(std::floor(static_cast<float>(elapsed) / msPerFrame));
    lastTime = now;
    int leftover = elapsed - ccRound(static_cast<double>(loops) * msPerFrame);
    remainder = static_cast<float>(leftover) / msPerFrame;
    return loops;
}

int TGame::Logic() {
    if (AppTerminate()) {
        return 1;
    }
    float remainder = 0.0f;
    int loops = CalcLogicLoops(remainder);
    delta = 1.0f;
    for (int i = 0; i < loops; ++i) {
        if (LogicWrapper()) {
            return 1;
        }
    }
    if (useRemainderDelta) {
        delta = remainder;
        if (LogicWrapper()) {
            return 1;
        }
    }
    return 0;
}

int TGame::LogicWrapper() {
    CheckKeys();
    if (!paused) {
        if (renderer) {
            renderer->Logic();
        }
        // A screen may replace itself during its step; it stays alive until
        // its step is over.
        if (auto screen = currentScreen) {
            screen->Logic();
        }
        if (endGame) {
            return 1;
        }
    }
    return 0;
}

int TGame::CheckKeys() {
    if (KeyHit(KEY_D) && CtrlHeld()) {
        FlushKeys();
        ToggleDebugPanel();
    }
    if (KeyHit(KEY_P)) {
        FlushKeys();
        TogglePaused();
    }
    return 0;
}

int TGame::Draw() {
    if (clsColor) {
        SetClsColor(clsColor->R, clsColor->G, clsColor->B);
    }
    Cls();
    SetBlend(3);
    for (const auto& object : *screenStack) {
        if (auto screen = As<TScreen>(object)) {
            screen->Draw();
        }
    }
    DrawDebugPanel();
    return 0;
}

int TGame::DrawDebugPanel() {
    if (!displayDebugPanel) {
        return 0;
    }
    auto x = static_cast<float>(debugPanelX);
    auto y = static_cast<float>(debugPanelY);
    DrawText("Mouse: " + std::to_string(MouseX()) + "," + std::to_string(MouseY()), x, y);
    std::string screenName = currentScreen ? currentScreen->name : std::string();
    DrawText("Screen: " + screenName, x, y + DEBUG_LINE_SPACING);
    return 0;
}

int TGame::SetupTitleBar() {
    SetAppTitle(name + " V" + versionString);
    return 0;
}

int TGame::ToggleDebugPanel() {
    displayDebugPanel = displayDebugPanel ? 0 : 1;
    return 0;
}

int TGame::TogglePaused() {
    paused = paused ? 0 : 1;
    return 0;
}
