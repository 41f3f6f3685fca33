#pragma once

#include "core/TScreen.h"
#include "platform/TChannel.h"
#include "platform/TImage.h"
#include "platform/TSound.h"
#include "screens/TTextStyle.h"
#include "text/TLabelColumn.h"

// The end of a run: the final score and level.
class TGameOverScreen : public TScreen {
public:
    TImagePtr bgImage;
    TSoundPtr selectSound;
    TChannelPtr selectChannel;
    TLabelColumnPtr statColumn;
    TLabelColumnPtr numColumn;

    static std::shared_ptr<TGameOverScreen> Create();

    int Draw() override;
    int Init() override;
    int Logic() override;
    // Back to the title.
    virtual int Close();

private:
    TTextStyle headingStyle_;
    TTextStyle promptStyle_;
};
