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
    // Opens the music track file from the music folder (nothing with music off);
    // the track is decoded while it plays.
    virtual int LoadMusic(const std::string& file, int flags);
    // A sound effect from the sound folder; null when it cannot be loaded.
    virtual std::shared_ptr<TSound> LoadGameSound(const std::string& file, int flags);
    // This frame's logic steps; non-zero ends the program.
    virtual int Logic();
    // One logic step; non-zero ends the program.
    virtual int LogicWrapper();
    // Starts the loaded track from its beginning at the music volume.
    virtual int PlayMusic();
    // Plays sound on the caller's channel variable, cutting off what played on it.
    virtual int PlayGameSound(const std::shared_ptr<TSound>& sound,
                              std::shared_ptr<TChannel>& channel, float volume, float rate);
    // Plays sound on a fresh channel and returns it; with no channel given the
    // pool must have one free, otherwise nothing plays.
    virtual std::shared_ptr<TChannel> PlayGameSound2(const std::shared_ptr<TSound>& sound,
                                                     std::shared_ptr<TChannel> channel,
                                                     float volume, float rate);
    virtual int RemoveScreenFromStack(const TScreenPtr& screen);
    virtual int SetupTitleBar();
    virtual int StopMusic();
    // Stops what plays on channel and clears the variable; a finished channel stays.
    virtual int StopSound(std::shared_ptr<TChannel>& channel);
    virtual int ToggleDebugPanel();
    virtual int TogglePaused();
};

using TGamePtr = std::shared_ptr<TGame>;
