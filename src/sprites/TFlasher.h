#pragma once

#include <memory>

#include "platform/TObject.h"

// An on/off blink timer with an optional total duration (a blinking cursor).
// Each call of Logic is one step; a phase of length n lasts n + 1 calls.
class TFlasher : public TObject {
public:
    int state = 1;
    float animCounter = 0.0f;
    float flashCounter = 0.0f;
    int onLength = 0;
    int offLength = 0;

    // duration 0 blinks forever.
    static std::shared_ptr<TFlasher> Create(int duration, int onSteps, int offSteps);

    // True in the one step in which the duration runs out.
    virtual int Logic();
    virtual void SetToOff();
    virtual void SetToOn();
};

using TFlasherPtr = std::shared_ptr<TFlasher>;
