#include "platform/TGameController.h"

TGameController::TGameController(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) {
        return;
    }
    controller_ = SDL_GameControllerOpen(deviceIndex);
    if (controller_) {
        id_ = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller_));
    }
}

TGameController::~TGameController() {
    if (controller_) {
        SDL_GameControllerClose(controller_);
    }
}
