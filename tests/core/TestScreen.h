#pragma once

#include <functional>
#include <vector>

#include "core/Globals.h"
#include "core/TScreen.h"
#include "platform/Graphics.h"

// A screen that records what the game asks of it.
class TestScreen : public TScreen {
public:
    explicit TestScreen(std::string screenName = "Test") { name = std::move(screenName); }

    int Logic() override {
        deltas.push_back(delta);
        if (onLogic) {
            onLogic(*this);
        }
        return 0;
    }
    int Draw() override {
        ++draws;
        DrawText(name, 0.0f, 0.0f);
        return 0;
    }
    int Start() override {
        ++starts;
        return 0;
    }

    std::vector<float> deltas;
    int draws = 0;
    int starts = 0;
    std::function<void(TestScreen&)> onLogic;
};
