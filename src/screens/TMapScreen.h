#pragma once

#include "core/TScreen.h"
#include "platform/TChannel.h"
#include "platform/TImage.h"
#include "platform/TSound.h"
#include "screens/TTextStyle.h"

// The instructions shown before a run, over a slowly turning gear.
class TMapScreen : public TScreen {
public:
    float animCounter = 0.0f;
    int animCounterMax = 50;
    TImagePtr bgImage;
    TSoundPtr selectSound;
    TChannelPtr selectChannel;

    static std::shared_ptr<TMapScreen> Create();

    int Draw() override;
    int Init() override;
    int Logic() override;

private:
    TTextStyle headingStyle_;
    TTextStyle controlsStyle_;
    TTextStyle promptStyle_;
};
