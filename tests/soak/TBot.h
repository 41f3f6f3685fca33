#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <string>

class THeadlessBackend;
class TScreen;

// Plays the whole game on the headless backend: start-up, data, the intro
// screen and the main loop, with a virtual clock that moves one frame per
// presented frame. What keys are pressed is up to the subclass; the bot keeps
// count of the game time, reports progress and memory, and when its time is up
// backs out to the title and quits the way a player does.
class TBot {
public:
    struct Options {
        std::string dataFolder = "."; // the folder that holds Data/
        int64_t steps = 720000;       // logic steps of game time to play
        unsigned seed = 1;
        int frameMs = 16;               // game time per presented frame
        int64_t baselineSteps = 720000; // when the memory to compare with is taken
        // Fail when the resident memory at the end is this many percent above the
        // memory at the baseline (off below 0).
        double maxGrowthPercent = -1.0;
        int64_t reportEverySteps = 0; // progress lines (0: about ten in all)
    };

    explicit TBot(const Options& options);
    virtual ~TBot() = default;
    TBot(const TBot&) = delete;
    TBot& operator=(const TBot&) = delete;

    // Plays, then ends the program: 0 when all went well.
    [[noreturn]] void Run();

    static constexpr int STEPS_PER_SECOND = 200;
    static constexpr int64_t STEPS_PER_HOUR = 720000;

protected:
    // Chooses this frame's input while the game time lasts.
    virtual void Play() = 0;
    // A new screen has become current.
    virtual void ScreenEntered(const std::string&) {}
    // Ends play before the game time is spent (and quits the game).
    void StopPlaying();
    // Ends the program at once with a failure.
    [[noreturn]] void Fail(const std::string& why);

    const std::string& Screen() const { return screenName_; }
    // Game time since the current screen appeared.
    int64_t ScreenMs() const;
    int64_t NowMs() const;
    bool Paused() const;
    // Holds or releases key (queued only when its state differs).
    void Hold(int key, bool down);
    void ReleaseAll();
    // A press and release taken in by the next logic step.
    void Press(int key);

    const Options options_;

private:
    void OnFrame();
    void TrackScreen();
    void Checkpoints(int64_t steps);
    void Progress(int64_t steps) const;
    void FinalReport(int64_t steps);
    void CheckGrowth(int64_t endKb, int64_t endPeakKb);
    void WindDown();
    [[noreturn]] void Leave();
    double WallSeconds() const;

    THeadlessBackend* backend_ = nullptr;
    std::chrono::steady_clock::time_point wallStart_;
    const TScreen* screen_ = nullptr;
    std::string screenName_;
    int64_t screenSinceMs_ = 0;
    std::map<std::string, int64_t> visits_;
    int64_t nextReport_ = 0;
    int64_t baselineKb_ = -1;
    int64_t baselinePeakKb_ = -1;
    int windDownFrames_ = 0;
    bool windingDown_ = false;
    bool growthFailed_ = false;
};
