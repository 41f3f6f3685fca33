#pragma once

#include <memory>
#include <string>

#include "core/TScreen.h"
#include "display/TColor.h"
#include "platform/TList.h"

class TSound;
class TChannel;
class TChannelArray;

// The one game object: the screen stack, fixed-rate logic timing, the
// game-wide keys, drawing of the frame and the game's configuration.
class TGame : public TObject {
public:
    std::shared_ptr<TChannelArray> channelArray;
    TColorPtr clsColor;
    TScreenPtr currentScreen;
    std::string lastScreenName;
    std::shared_ptr<TSound> currentMusic;
    int debugPanelX = 10;
    int debugPanelY = 10;
    int displayDebugPanel = 0;
    int endGame = 0;
    float frameRate = 60.0f;
    int music = 1;
    std::shared_ptr<TChannel> musicChannel;
    float musicVolume = 0.4f;
    float msPerFrame = 0.0f;
    std::string name;
    int paused = 0;
    std::shared_ptr<TList> screenStack;
    int testMode = 0;
    std::string versionString = "0.00";
    int useFixedRateLogic = 0;
    int useRemainderDelta = 0;
    int lastTime = 0;
    std::string dataPath = "Data/";
    std::string fontPath = "Data/Fonts/";
    std::string imagePath = "Data/Images/";
    std::string musicPath = "Data/Music/";
    std::string soundPath = "Data/Sound/";

    static std::shared_ptr<TGame> Create();

    // Appends screen and makes it current, without starting it.
    virtual int AddScreenToStack(const TScreenPtr& screen);
    // Whole logic steps due since the last call; remainder gets the fraction.
    virtual int CalcLogicLoops(float& remainder);
    // Replaces the current screen, starts the new one and drops pending input.
    virtual int ChangeScreen(const TScreenPtr& screen);
    virtual int CheckKeys();
    virtual int Draw();
    virtual int DrawDebugPanel();
    virtual int InitFixedRateLogic(int rate);
    // This frame's logic steps; non-zero ends the program.
    virtual int Logic();
    // One logic step; non-zero ends the program.
    virtual int LogicWrapper();
    virtual int RemoveScreenFromStack(const TScreenPtr& screen);
    virtual int SetupTitleBar();
    virtual int ToggleDebugPanel();
    virtual int TogglePaused();
};

using TGamePtr = std::shared_ptr<TGame>;
