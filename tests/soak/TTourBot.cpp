#include "TTourBot.h"

#include "core/Globals.h"
#include "gameplay/TPlayer.h"
#include "gameplay/TProfile.h"
#include "platform/Input.h"

namespace {
constexpr int KEY_C = 67;
constexpr int KEY_P = 80;
constexpr int KEY_X = 88;
constexpr int KEY_Z = 90;
// Each screen shows (and starts its sounds) for a moment before the bot moves on.
constexpr int64_t LOOK_MS = 400;
constexpr int64_t PAUSE_AT_MS = 600;
constexpr int64_t PAUSE_FOR_MS = 200;
constexpr int64_t WIN_AT_MS = 1500;
constexpr int64_t LOSE_AT_MS = 800;
} // namespace

TTourBot::TTourBot(const Options& options) : TBot(options) {}

void TTourBot::ScreenEntered(const std::string& name) {
    if (name == "Game") {
        ++levelsEntered_;
    } else if (name == "Credits") {
        creditsSeen_ = true;
    } else if (name == "Game Over") {
        gameOverSeen_ = true;
    }
}

void TTourBot::Play() {
    if (Paused()) {
        if (ScreenMs() >= PAUSE_AT_MS + PAUSE_FOR_MS) {
            Press(KEY_P);
        }
        return;
    }
    if (Screen() == "Game") {
        if (levelsEntered_ == 1) {
            PlayFirstLevel();
        } else {
            LoseSecondLevel();
        }
        return;
    }
    ReleaseAll();
    if (ScreenMs() < LOOK_MS) {
        return;
    }
    if (Screen() == "Title") {
        OnTitle();
    } else {
        // Intro, credits, instructions, level complete and game over all go on with Space.
        Press(Key::SPACE);
    }
}

void TTourBot::OnTitle() {
    if (gameOverSeen_) {
        StopPlaying(); // the tour is over: quit from the title
    } else if (!creditsSeen_) {
        Press(KEY_C);
    } else {
        Press(Key::SPACE);
    }
}

void TTourBot::PlayFirstLevel() {
    int64_t ms = ScreenMs();
    Hold(KEY_Z, true);
    Hold(Key::RIGHT, ms < WIN_AT_MS / 2);
    Hold(Key::LEFT, ms >= WIN_AT_MS / 2);
    // A spawn needs a collected pickup; grant one so the launch (and its sound) happens.
    if (profile && profile->collected == 0 && ms < PAUSE_AT_MS) {
        profile->collected = 1;
    }
    Hold(KEY_X, ms >= 300 && ms < 400);
    if (!pausedOnce_ && ms >= PAUSE_AT_MS) {
        pausedOnce_ = true;
        Press(KEY_P);
    }
    if (!levelWon_ && ms >= WIN_AT_MS && player) {
        levelWon_ = true;
        player->kills = player->goal; // the goal is met: the level ends as won
    }
}

void TTourBot::LoseSecondLevel() {
    ReleaseAll();
    if (!shipLost_ && ScreenMs() >= LOSE_AT_MS && player && profile) {
        shipLost_ = true;
        profile->lives = 1;
        player->Damage(player->health + 1.0f); // the last ship is destroyed
    }
}
