#pragma once

#include "core/TScreen.h"
#include "platform/TChannel.h"
#include "platform/TSound.h"
#include "screens/TTextStyle.h"
#include "text/TLabelColumn.h"

// Between two levels: the score, the time left and the bonus it earns.
class TLevelCompleteScreen : public TScreen {
public:
    TSoundPtr selectSound;
    TChannelPtr selectChannel;
    TLabelColumnPtr statColumn;
    TLabelColumnPtr numColumn;

    static std::shared_ptr<TLevelCompleteScreen> Create();

    int Draw() override;
    int Init() override;
    int Logic() override;
    // Books the time bonus and starts the next level.
    virtual int Close();
    // Seconds that were left on the finished level's clock.
    virtual float GetSeconds();

private:
    TTextStyle headingStyle_;
    TTextStyle promptStyle_;
    int TimeBonus();
};
