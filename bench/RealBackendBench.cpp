#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

#include "CrowdedScene.h"
#include "core/Entry.h"
#include "core/Globals.h"
#include "gameplay/TProfile.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Random.h"
#include "platform/THeadlessBackend.h"
#include "platform/TPlatform.h"
#include "platform/TSdlBackend.h"
#include "screens/TGameScreen.h"
#include "screens/TIntroScreen.h"
#include "screens/TMapScreen.h"
#include "screens/TTitleScreen.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double CpuMs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Every thread of the process: llvmpipe rasterises on threads of its own.
double ProcessCpuMs() {
    return CpuMs(CLOCK_PROCESS_CPUTIME_ID);
}

// The game's own thread only.
double GameThreadCpuMs() {
    return CpuMs(CLOCK_THREAD_CPUTIME_ID);
}

constexpr int CROWDED_FRAMES = 60;
constexpr int PASSES_AFTER_CHANGE = 30;

// The game as a player starts it, drawing off screen, run from the build
// folder so it finds the generated Data/ folder.
class RealGame {
public:
    RealGame() {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        ok_ = chdir(BRINDLEWICK_DATA_DIR) == 0;
        auto real = std::make_unique<TSdlBackend>();
        backend_ = real.get();
        TPlatform::Instance().SetBackend(std::move(real));
    }
    ~RealGame() {
        if (game) {
            game->StopMusic();
        }
        CrowdedScene::EndGame();
        TPlatform::Instance().UseHeadless();
    }
    RealGame(const RealGame&) = delete;
    RealGame& operator=(const RealGame&) = delete;

    bool InDataFolder() const { return ok_; }
    TSdlBackend& Backend() { return *backend_; }

private:
    TSdlBackend* backend_ = nullptr;
    bool ok_ = false;
};

struct StartUpFigures {
    double totalMs = 0.0;
    double loadDataMs = 0.0;
};

StartUpFigures MeasureStartUp() {
    StartUpFigures figures;
    const auto start = Clock::now();
    StartUp();
    const auto loading = Clock::now();
    LoadData();
    figures.loadDataMs = MsSince(loading);
    game->AddScreenToStack(TIntroScreen::Create());
    MainLoopPass();
    figures.totalMs = MsSince(start);
    return figures;
}

struct FrameFigures {
    double fps = 0.0;
    double cpuMs = 0.0;
    double gameThreadCpuMs = 0.0;
    int drawCalls = 0;
};

// The crowded scene of a level 20 game screen drawn and flipped, frame after frame.
FrameFigures MeasureCrowdedFrames(TSdlBackend& backend) {
    profile = TProfile::Create();
    profile->level = CrowdedScene::LEVEL;
    game->ChangeScreen(TGameScreen::Create());
    CrowdedScene scene;
    scene.TopUp();
    auto& batcher = backend.Renderer()->Batcher();
    FrameFigures figures;
    const auto start = Clock::now();
    const double cpuStart = ProcessCpuMs();
    const double threadStart = GameThreadCpuMs();
    for (int frame = 0; frame < CROWDED_FRAMES; ++frame) {
        batcher.ResetCounters();
        game->Draw();
        batcher.Flush();
        figures.drawCalls = batcher.DrawCalls();
        Flip(0);
    }
    // Whatever GL still has queued belongs to these frames.
    GrabPixmap(0, 0, 1, 1);
    figures.cpuMs = (ProcessCpuMs() - cpuStart) / CROWDED_FRAMES;
    figures.gameThreadCpuMs = (GameThreadCpuMs() - threadStart) / CROWDED_FRAMES;
    figures.fps = CROWDED_FRAMES / (MsSince(start) / 1000.0);
    return figures;
}

// The pass that changes screen (as a key press in the old screen's logic
// would) and the passes after it; the longest of them.
template <class Make> double LongestFrameAcrossChange(Make make) {
    const auto changing = Clock::now();
    game->ChangeScreen(make());
    MainLoopPass();
    double longest = MsSince(changing);
    for (int pass = 0; pass < PASSES_AFTER_CHANGE; ++pass) {
        const auto start = Clock::now();
        MainLoopPass();
        longest = std::max(longest, MsSince(start));
    }
    return longest;
}

// ---- Peak memory of a play-through, in a fresh process of its own ----------------------

constexpr const char* PLAY_THROUGH_ENV = "BRINDLEWICK_BENCH_PLAY_THROUGH";
constexpr int PLAY_THROUGH_MINUTES = 10;
constexpr int FRAME_MS = 16;
constexpr int KEY_Z = 90;
constexpr int KEY_X = 88;

// A bot plays headless for ten minutes of game time: Space now and then to
// get past every screen that waits for it, steering at random, firing all
// the time and launching turrets; several games end and start again.
struct PlayThroughLog {
    int passesInPlay = 0;
    int screenChanges = 0;
};

PlayThroughLog PlayThrough() {
    PlayThroughLog log;
    auto& backend = TPlatform::Instance().UseHeadless();
    if (chdir(BRINDLEWICK_DATA_DIR) != 0) {
        std::_Exit(2);
    }
    StartUp();
    LoadData();
    game->AddScreenToStack(TIntroScreen::Create());
    SeedRnd(7);
    const int passes = PLAY_THROUGH_MINUTES * 60 * 1000 / FRAME_MS;
    int steer = Key::LEFT;
    for (int pass = 0; pass < passes; ++pass) {
        if (pass % 125 == 0) {
            backend.QueueKeyPress(Key::SPACE);
        }
        if (pass % 40 == 0) {
            backend.QueueKeyUp(steer);
            steer = Rand(0, 1) ? Key::LEFT : Key::RIGHT;
            backend.QueueKeyDown(steer);
            backend.QueueKeyDown(KEY_Z);
        }
        if (pass % 300 == 150) {
            backend.QueueKeyPress(KEY_X);
        }
        const auto before = game->currentScreen;
        if (!MainLoopPass()) {
            break;
        }
        log.screenChanges += game->currentScreen != before ? 1 : 0;
        log.passesInPlay += game->currentScreen && game->currentScreen->name == "Game" ? 1 : 0;
        backend.AdvanceTime(FRAME_MS - 1);
    }
    CrowdedScene::EndGame();
    return log;
}

// Peak resident memory of this process's own image, in kilobytes.
long OwnPeakKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

struct PeakMemory {
    double ruMaxRssMb = -1.0;
    double ownPeakMb = -1.0;
    double parentAtForkMb = -1.0;
    double minutesInPlay = -1.0;
    int screenChanges = -1;
};

// Runs this program again on the play-through alone. Its ru_maxrss counts
// at least what this process held when it forked, so that is reported too.
PeakMemory PlayThroughPeak() {
    PeakMemory peak;
    const std::string report = "/tmp/brindlewick_bench_peak_" + std::to_string(getpid());
    {
        std::ifstream statm("/proc/self/statm");
        long pages = 0, resident = 0;
        statm >> pages >> resident;
        peak.parentAtForkMb = static_cast<double>(resident) * sysconf(_SC_PAGESIZE) / 1048576.0;
    }
    const pid_t child = fork();
    if (child == 0) {
        setenv(PLAY_THROUGH_ENV, report.c_str(), 1);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execl("/proc/self/exe", "brindlewick_bench", "--benchmark_filter=^BM_PlayThroughPeakMemory",
              static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return peak;
    }
    peak.ruMaxRssMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    std::ifstream in(report);
    long ownKb = -1;
    int passesInPlay = 0;
    if (in >> ownKb >> passesInPlay >> peak.screenChanges) {
        peak.ownPeakMb = static_cast<double>(ownKb) / 1024.0;
        peak.minutesInPlay = passesInPlay * FRAME_MS / 60000.0;
    }
    std::remove(report.c_str());
    return peak;
}

// ---- The figures, side by side in one run ----------------------------------------------

void BM_RealBackendFigures(benchmark::State& state) {
    // First, while this process is still small.
    const auto peak = PlayThroughPeak();
    state.counters["playthrough_ru_maxrss_mb"] = peak.ruMaxRssMb;
    state.counters["playthrough_own_peak_mb"] = peak.ownPeakMb;
    state.counters["bench_rss_at_fork_mb"] = peak.parentAtForkMb;
    state.counters["playthrough_minutes_in_play"] = peak.minutesInPlay;
    state.counters["playthrough_screen_changes"] = peak.screenChanges;
    for (auto _ : state) {
        RealGame real;
        if (!real.InDataFolder()) {
            state.SkipWithError("no build folder with Data/");
            return;
        }
        const auto start = MeasureStartUp();
        if (real.Backend().Renderer() == nullptr) {
            state.SkipWithError("no OpenGL display");
            return;
        }
        state.counters["startup_ms"] = start.totalMs;
        state.counters["startup_loaddata_pct"] = 100.0 * start.loadDataMs / start.totalMs;
        const auto frames = MeasureCrowdedFrames(real.Backend());
        state.counters["crowded_fps"] = frames.fps;
        state.counters["crowded_cpu_ms"] = frames.cpuMs;
        state.counters["crowded_game_thread_cpu_ms"] = frames.gameThreadCpuMs;
        state.counters["crowded_gl_draw_calls"] = frames.drawCalls;
        state.counters["change_to_title_ms"] =
            LongestFrameAcrossChange([] { return TTitleScreen::Create(); });
        state.counters["change_to_map_ms"] =
            LongestFrameAcrossChange([] { return TMapScreen::Create(); });
        state.counters["change_to_game_ms"] =
            LongestFrameAcrossChange([] { return TGameScreen::Create(); });
        // The title again, as after a game: its picture and GL's first use
        // of its drawing are behind it.
        state.counters["change_to_title_again_ms"] =
            LongestFrameAcrossChange([] { return TTitleScreen::Create(); });
    }
}
BENCHMARK(BM_RealBackendFigures)->Iterations(1)->Unit(benchmark::kMillisecond);

// Only does work in the copy of the program started for it, and leaves its
// peak memory in the file that copy was given.
void BM_PlayThroughPeakMemory(benchmark::State& state) {
    const char* report = std::getenv(PLAY_THROUGH_ENV);
    PlayThroughLog log;
    for (auto _ : state) {
        if (report != nullptr) {
            log = PlayThrough();
        }
    }
    if (report != nullptr) {
        std::ofstream(report) << OwnPeakKb() << " " << log.passesInPlay << " " << log.screenChanges
                              << "\n";
    }
}
BENCHMARK(BM_PlayThroughPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
