#pragma once

#include <memory>

#include "platform/TObject.h"
#include "text/TLabel.h"
#include "text/TStatLabel.h"

// The heads-up display: a translucent bar at the top with kills, lives,
// health and score, and one at the bottom with the timer and the pickups.
class THUD : public TObject {
public:
    static constexpr int TOP_BAR_HEIGHT = 50;
    static constexpr int BOTTOM_BAR_HEIGHT = 50;

    TLabelPtr goalLabel;
    TLabelPtr goalStatLabel;
    TLabelPtr healthLabel;
    TStatLabelPtr killsLabel;
    TStatLabelPtr livesLabel;
    TStatLabelPtr scoreLabel;
    TLabelPtr timeLabel;
    TLabelPtr timeStatLabel;
    // The second the count-down tick last sounded for.
    int lastSeconds = 999;

    static std::shared_ptr<THUD> Create();

    virtual int Init();
    virtual int Draw();
    virtual int DrawBars();
    virtual int DrawHealthBar();
    virtual int DrawPickupBar();
    virtual int DrawTimerBar();
    virtual int UpdateGoal();
    virtual int UpdateKills();
    virtual int UpdateLives();
    virtual int UpdateScore();
    virtual int UpdateTime();
    virtual int UpdateAll();

private:
    void MakeTopLabels(int width);
    void MakeBottomLabels(int width, int height);
};

using THUDPtr = std::shared_ptr<THUD>;
