#pragma once

#include "TBot.h"

// A short scripted visit of every screen and the sounds and music they start:
// the splash, the title, the credits, the instructions, a level played until
// it is won, the level-complete screen, a second level lost on its last life,
// the game-over screen and back to the title, where it quits.
class TTourBot : public TBot {
public:
    explicit TTourBot(const Options& options);

protected:
    void Play() override;
    void ScreenEntered(const std::string& name) override;

private:
    void OnTitle();
    void PlayFirstLevel();
    void LoseSecondLevel();

    int levelsEntered_ = 0;
    bool creditsSeen_ = false;
    bool gameOverSeen_ = false;
    bool levelWon_ = false;
    bool shipLost_ = false;
    bool pausedOnce_ = false;
};
