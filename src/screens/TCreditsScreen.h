#pragma once

#include "core/TScreen.h"
#include "platform/TChannel.h"
#include "platform/TImage.h"
#include "platform/TSound.h"
#include "screens/TTextStyle.h"

// Who made the game, under five headings.
class TCreditsScreen : public TScreen {
public:
    TSoundPtr selectSound;
    TChannelPtr selectChannel;
    TImagePtr bgImage;

    static std::shared_ptr<TCreditsScreen> Create();

    int Draw() override;
    int Init() override;
    int Logic() override;

private:
    TTextStyle headingStyle_;
    TTextStyle namesStyle_;
    TTextStyle promptStyle_;
};
