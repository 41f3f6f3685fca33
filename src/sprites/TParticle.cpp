#include "sprites/TParticle.h"

#include "core/Globals.h"

namespace {
constexpr float FULL_TURN = 360.0f;
}

std::shared_ptr<TParticle> TParticle::CreateParticle(const TGameImagePtr& image, float x, float y,
                                                     const std::string& text,
                                                     const TImageFontPtr& font) {
    auto particle = std::make_shared<TParticle>();
    particle->x = x;
    particle->y = y;
    particle->StoreOriginalCoords();
    particle->SetImage(image);
    particle->text = text;
    particle->textFont = font;
    return particle;
}

int TParticle::Logic() {
    Move();
    if (alphaDelta < 0.0f) {
        alpha += alphaDelta * delta;
        if (alpha <= 0.0f) {
            return 0;
        }
    } else if (alphaDelta > 0.0f) {
        alpha += alphaDelta * delta;
    }
    if (rotationDelta < 0.0f) {
        rotation += rotationDelta * delta;
        if (rotation < 0.0f) {
            rotation += FULL_TURN;
        }
    } else if (rotationDelta > 0.0f) {
        rotation += rotationDelta * delta;
        if (rotation >= FULL_TURN) {
            rotation -= FULL_TURN;
        }
    }
    scaleX += scaleXDelta * delta;
    scaleY += scaleYDelta * delta;
    return scaleX <= 0.0f || scaleY <= 0.0f ? 0 : 1;
}

void TParticle::SetParams(float alphaStep, float rotationStep, float scaleXStep, float scaleYStep,
                          float speedXValue, float speedYValue) {
    alphaDelta = alphaStep;
    rotationDelta = rotationStep;
    scaleXDelta = scaleXStep;
    scaleYDelta = scaleYStep;
    speedX = speedXValue;
    speedY = speedYValue;
}
