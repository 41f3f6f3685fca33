#pragma once

#include <random>

#include "TBot.h"

// A seeded player who never tires: steers at random, fires in bursts, launches
// spawns, pauses and resumes, sometimes gives up a run with Esc and starts
// again, and presses Space through every screen between levels.
class TRandomBot : public TBot {
public:
    explicit TRandomBot(const Options& options);

protected:
    void Play() override;
    void ScreenEntered(const std::string& name) override;

private:
    void PlayLevel();
    void PassScreen();
    void Steer();
    bool Chance(double perSecond);
    int64_t Between(int64_t lowMs, int64_t highMs);

    std::mt19937 random_;
    int64_t dwellMs_ = 0;
    int64_t nextSteerMs_ = 0;
    int64_t spawnUntilMs_ = 0;
    int64_t resumeAtMs_ = 0;
    int steer_ = 0;
    bool fire_ = false;
};
