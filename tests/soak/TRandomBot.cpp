#include "TRandomBot.h"

#include "platform/Input.h"

namespace {
constexpr int KEY_C = 67;
constexpr int KEY_P = 80;
constexpr int KEY_X = 88;
constexpr int KEY_Z = 90;
// How often, on average, the player does the rarer things (per second of play).
constexpr double PAUSES_PER_SECOND = 1.0 / 45.0;
constexpr double GIVE_UPS_PER_SECOND = 1.0 / 600.0;
constexpr double SPAWNS_PER_SECOND = 1.0 / 3.0;
constexpr double CREDITS_CHANCE = 0.1;
constexpr double MAP_BACK_CHANCE = 0.05;
} // namespace

TRandomBot::TRandomBot(const Options& options) : TBot(options), random_(options.seed) {}

void TRandomBot::ScreenEntered(const std::string&) {
    dwellMs_ = Between(150, 2500);
}

void TRandomBot::Play() {
    if (Paused()) {
        if (NowMs() >= resumeAtMs_) {
            Press(KEY_P);
            resumeAtMs_ = NowMs() + 1000; // should the press be lost, try again later
        }
        return;
    }
    if (Screen() == "Game") {
        PlayLevel();
    } else {
        ReleaseAll();
        PassScreen();
    }
}

void TRandomBot::PlayLevel() {
    Steer();
    Hold(KEY_Z, fire_);
    if (spawnUntilMs_ == 0 && Chance(SPAWNS_PER_SECOND)) {
        spawnUntilMs_ = NowMs() + Between(30, 200);
    }
    Hold(KEY_X, spawnUntilMs_ > NowMs());
    if (spawnUntilMs_ != 0 && spawnUntilMs_ <= NowMs()) {
        spawnUntilMs_ = 0;
    }
    // One press a frame: P flushes every other key.
    if (Chance(PAUSES_PER_SECOND)) {
        Press(KEY_P);
        resumeAtMs_ = NowMs() + Between(100, 3000);
    } else if (Chance(GIVE_UPS_PER_SECOND)) {
        Press(Key::ESCAPE); // back to the title, and a new run after it
    }
}

void TRandomBot::Steer() {
    if (NowMs() >= nextSteerMs_) {
        std::uniform_int_distribution<int> way(-1, 1);
        steer_ = way(random_);
        fire_ = std::bernoulli_distribution(0.7)(random_);
        nextSteerMs_ = NowMs() + Between(80, 900);
    }
    Hold(Key::LEFT, steer_ < 0);
    Hold(Key::RIGHT, steer_ > 0);
}

void TRandomBot::PassScreen() {
    if (ScreenMs() < dwellMs_) {
        return;
    }
    dwellMs_ += 1000; // one press per visit, again a second later if it was lost
    std::bernoulli_distribution chance(Screen() == "Title" ? CREDITS_CHANCE : MAP_BACK_CHANCE);
    if (Screen() == "Title" && chance(random_)) {
        Press(KEY_C);
    } else if (Screen() == "Map" && chance(random_)) {
        Press(Key::ESCAPE);
    } else {
        Press(Key::SPACE);
    }
}

bool TRandomBot::Chance(double perSecond) {
    std::bernoulli_distribution happens(perSecond * options_.frameMs / 1000.0);
    return happens(random_);
}

int64_t TRandomBot::Between(int64_t lowMs, int64_t highMs) {
    return std::uniform_int_distribution<int64_t>(lowMs, highMs)(random_);
}
