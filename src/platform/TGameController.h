#pragma once

#include <SDL.h>

// One game pad opened through SDL, closed when this goes.
class TGameController {
public:
    // Opens the pad at a device index; check Valid() afterwards.
    explicit TGameController(int deviceIndex);
    ~TGameController();
    TGameController(const TGameController&) = delete;
    TGameController& operator=(const TGameController&) = delete;

    bool Valid() const { return controller_ != nullptr; }
    // The number its events carry (SDL's instance id), -1 when not open.
    int Id() const { return id_; }

private:
    SDL_GameController* controller_ = nullptr;
    int id_ = -1;
};
