#include "TBot.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "ResidentMemory.h"
#include "core/Entry.h"
#include "core/Globals.h"
#include "platform/Input.h"
#include "platform/Random.h"
#include "platform/THeadlessBackend.h"
#include "platform/TPlatform.h"
#include "screens/TIntroScreen.h"

namespace {
constexpr int KEY_P = 80;
constexpr int KEY_X = 88;
constexpr int KEY_Z = 90;
constexpr int MS_PER_STEP = 1000 / TBot::STEPS_PER_SECOND;
constexpr int REPORTS = 10;
// Backing out to the title takes a handful of frames; far more means the game is stuck.
constexpr int WIND_DOWN_FRAME_LIMIT = 4000;
constexpr int HELD_KEYS[] = {Key::LEFT, Key::RIGHT, KEY_Z, KEY_X};

std::string GameTime(int64_t steps) {
    int64_t seconds = steps / TBot::STEPS_PER_SECOND;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return text;
}
} // namespace

TBot::TBot(const Options& options) : options_(options) {
    nextReport_ = options_.reportEverySteps > 0 ? options_.reportEverySteps
                                                : std::max<int64_t>(1, options_.steps / REPORTS);
}

void TBot::Run() {
    if (chdir(options_.dataFolder.c_str()) != 0) {
        Fail("cannot enter the data folder " + options_.dataFolder);
    }
    backend_ = &TPlatform::Instance().UseHeadless();
    backend_->SetTime(0);
    backend_->onPresent = [this](THeadlessBackend&) { OnFrame(); };
    wallStart_ = std::chrono::steady_clock::now();
    std::cout << "bot: seed " << options_.seed << ", " << options_.steps << " logic steps ("
              << GameTime(options_.steps) << " of game time), " << options_.frameMs
              << " ms per frame" << std::endl;
    StartUp();
    SeedRnd(static_cast<int>(options_.seed));
    LoadData();
    game->AddScreenToStack(TIntroScreen::Create());
    while (MainLoopPass()) {
    }
    Leave();
}

void TBot::OnFrame() {
    // The main loop's own Delay(1) adds the last millisecond of the frame.
    backend_->AdvanceTime(options_.frameMs - 1);
    TrackScreen();
    int64_t steps = NowMs() / MS_PER_STEP;
    if (!windingDown_) {
        Checkpoints(steps);
        if (steps >= options_.steps) {
            FinalReport(steps);
        } else {
            Play();
        }
    }
    if (windingDown_) {
        WindDown();
    }
}

void TBot::TrackScreen() {
    const TScreen* current = game && game->currentScreen ? game->currentScreen.get() : nullptr;
    if (current == screen_) {
        return;
    }
    screen_ = current;
    screenName_ = current ? current->name : std::string();
    screenSinceMs_ = NowMs();
    ++visits_[screenName_];
    ScreenEntered(screenName_);
}

void TBot::Checkpoints(int64_t steps) {
    if (baselineKb_ < 0 && steps >= options_.baselineSteps) {
        baselineKb_ = ResidentKilobytes();
        baselinePeakKb_ = ResidentKilobytes("VmHWM");
        std::cout << "bot: memory after " << GameTime(steps) << " of game time: " << baselineKb_
                  << " kB (peak " << baselinePeakKb_ << " kB)" << std::endl;
    }
    if (steps >= nextReport_) {
        Progress(steps);
        while (nextReport_ <= steps) {
            nextReport_ += options_.reportEverySteps > 0
                               ? options_.reportEverySteps
                               : std::max<int64_t>(1, options_.steps / REPORTS);
        }
    }
}

void TBot::Progress(int64_t steps) const {
    std::cout << "bot: " << steps << " steps (" << GameTime(steps) << "), wall " << WallSeconds()
              << " s, rss " << ResidentKilobytes() << " kB, games "
              << (visits_.count("Map") ? visits_.at("Map") : 0) << ", screen " << screenName_
              << std::endl;
}

void TBot::FinalReport(int64_t steps) {
    windingDown_ = true;
    int64_t endKb = ResidentKilobytes();
    int64_t endPeakKb = ResidentKilobytes("VmHWM");
    std::cout << "bot: steps run " << steps << " (" << GameTime(steps) << " of game time)\n"
              << "bot: wall time " << WallSeconds() << " s\n";
    if (baselineKb_ >= 0) {
        std::cout << "bot: memory after " << GameTime(options_.baselineSteps) << ": " << baselineKb_
                  << " kB (peak " << baselinePeakKb_ << " kB)\n";
    } else {
        std::cout << "bot: memory after " << GameTime(options_.baselineSteps) << ": not reached\n";
    }
    std::cout << "bot: memory at the end: " << endKb << " kB (peak " << endPeakKb << " kB)\n";
    for (const auto& [name, count] : visits_) {
        std::cout << "bot: screen " << (name.empty() ? "(none)" : name) << " shown " << count
                  << " times\n";
    }
    std::cout << "bot: main font " << (mainFont ? "loaded" : "built-in") << std::endl;
    if (options_.maxGrowthPercent >= 0.0) {
        CheckGrowth(endKb, endPeakKb);
    }
}

void TBot::CheckGrowth(int64_t endKb, int64_t endPeakKb) {
    if (baselinePeakKb_ <= 0 || endPeakKb <= 0) {
        growthFailed_ = true;
        std::cout << "bot: no memory figures to compare" << std::endl;
        return;
    }
    // The resident figure is the one checked; the peak is shown beside it, as
    // a screen change can leave a short spike behind in it.
    auto percent = [](int64_t from, int64_t to) {
        return 100.0 * static_cast<double>(to - from) / static_cast<double>(from);
    };
    double growth = percent(baselineKb_, endKb);
    std::cout << "bot: resident memory change " << percent(baselineKb_, endKb) << "%, peak change "
              << growth << "% (limit " << options_.maxGrowthPercent << "%)" << std::endl;
    growthFailed_ = growth > options_.maxGrowthPercent;
}

void TBot::StopPlaying() {
    if (!windingDown_) {
        FinalReport(NowMs() / MS_PER_STEP);
    }
}

void TBot::WindDown() {
    if (++windDownFrames_ > WIND_DOWN_FRAME_LIMIT) {
        Fail("could not get back to the title to quit (stuck on " + screenName_ + ")");
    }
    ReleaseAll();
    if (Paused()) {
        Press(KEY_P);
    } else if (screenName_ == "Intro") {
        Press(Key::SPACE);
    } else {
        // Everywhere else Esc leads back towards the title, and on the title it quits.
        Press(Key::ESCAPE);
    }
}

void TBot::Leave() {
    if (!windingDown_) {
        Fail("the game ended on its own on " + screenName_);
    }
    if (growthFailed_) {
        std::cout << "bot: FAILED: memory grew more than allowed" << std::endl;
        std::fflush(stdout);
        std::exit(EXIT_FAILURE);
    }
    std::cout << "bot: done" << std::endl;
    Finish();
}

void TBot::Fail(const std::string& why) {
    std::cout << "bot: FAILED: " << why << std::endl;
    std::fflush(stdout);
    std::exit(EXIT_FAILURE);
}

double TBot::WallSeconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart_).count();
}

int64_t TBot::ScreenMs() const {
    return NowMs() - screenSinceMs_;
}

int64_t TBot::NowMs() const {
    return backend_ ? backend_->Now() : 0;
}

bool TBot::Paused() const {
    return game && game->paused != 0;
}

void TBot::Hold(int key, bool down) {
    if (down == (KeyDown(key) != 0)) {
        return;
    }
    if (down) {
        backend_->QueueKeyDown(key);
    } else {
        backend_->QueueKeyUp(key);
    }
}

void TBot::ReleaseAll() {
    for (int key : HELD_KEYS) {
        Hold(key, false);
    }
}

void TBot::Press(int key) {
    backend_->QueueKeyPress(key);
}
