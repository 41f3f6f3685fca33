#pragma once

#include <string>

#include "core/TScreen.h"
#include "platform/TChannel.h"
#include "platform/TImage.h"
#include "platform/TSound.h"
#include "screens/TTextStyle.h"

// The title: the backdrop, the logo that shimmers now and then, and the
// prompts to play, see the credits or quit.
class TTitleScreen : public TScreen {
public:
    // Frames of the logo picture.
    static constexpr int logoAnimFrames = 16;

    float logoAnimCounter = 0.0f;
    int logoAnimCounterMax = 100;
    float logoAnimDelay = 0.0f;
    int logoAnimDelayMax = 400;
    TSoundPtr logoSound;
    TSoundPtr selectSound;
    TChannelPtr selectChannel;
    TImagePtr titleImage;

    static std::shared_ptr<TTitleScreen> Create();
    // The screen's own picture, decoded ahead of time at start-up.
    static std::string PicturePath();

    int Draw() override;
    int Init() override;
    int Logic() override;
    int Start() override;
    // Plays the logo animation once, with its sound.
    virtual int LogoFlash();
    // A new run: a fresh profile, and the title music stops.
    virtual int StartGame();

private:
    void RunLogoTimers();

    TTextStyle playPrompt_;
    TTextStyle creditsPrompt_;
    TTextStyle exitPrompt_;
};
