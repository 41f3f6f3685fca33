#pragma once

#include <string>

#include "core/TScreen.h"
#include "platform/TChannel.h"
#include "platform/TImage.h"
#include "platform/TSound.h"

// The maker's splash: fades in and out over three seconds with a jingle.
class TIntroScreen : public TScreen {
public:
    int LENGTH = 0;
    int counter = 0;
    TSoundPtr introSound;
    TChannelPtr introChannel;
    TImagePtr splash;

    static std::shared_ptr<TIntroScreen> Create();
    // The screen's own picture, decoded ahead of time at start-up.
    static std::string PicturePath();

    int Draw() override;
    int Init() override;
    int Logic() override;
    virtual int NextScreen();
};
