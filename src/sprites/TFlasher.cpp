#include "sprites/TFlasher.h"

std::shared_ptr<TFlasher> TFlasher::Create(int duration, int onSteps, int offSteps) {
    auto flasher = std::make_shared<TFlasher>();
    flasher->state = 1;
    flasher->animCounter = static_cast<float>(duration);
    flasher->onLength = onSteps;
    flasher->offLength = offSteps;
    flasher->flashCounter = static_cast<float>(onSteps);
    return flasher;
}

int TFlasher::Logic() {
    if (animCounter > 0.0f) {
        animCounter -= 1.0f;
        if (animCounter <= 0.0f) {
            animCounter = 0.0f;
            return 1;
        }
    }
    flashCounter -= 1.0f;
    if (flashCounter < 0.0f) {
        if (state == 0) {
            SetToOn();
        } else {
            SetToOff();
        }
    }
    return 0;
}

void TFlasher::SetToOff() {
    flashCounter = static_cast<float>(offLength);
    state = 0;
}

void TFlasher::SetToOn() {
    flashCounter = static_cast<float>(onLength);
    state = 1;
}
