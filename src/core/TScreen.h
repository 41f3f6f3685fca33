#pragma once

#include <memory>
#include <string>

#include "platform/TObject.h"

// The base of every screen. A screen is made by its own Create, which gives
// it its name and runs Init; it is never reused once replaced.
class TScreen : public TObject {
public:
    std::string name;

    // Draws the screen; every frame while it is on the stack.
    virtual int Draw() { return 0; }
    // One-time set-up.
    virtual int Init() { return 0; }
    // One logic step; while the screen is current and the game is not paused.
    virtual int Logic() { return 0; }
    // Called when the screen becomes current through a screen change.
    virtual int Start() { return 0; }
};

using TScreenPtr = std::shared_ptr<TScreen>;
