#pragma once

#include "sprites/TSprite.h"

// A short-lived effect: moves at a constant speed while its alpha, rotation
// and scale change by fixed amounts each step; dies when it has faded out or
// shrunk to nothing.
class TParticle : public TSprite {
public:
    float alphaDelta = 0.0f;
    float rotationDelta = 0.0f;
    float scaleXDelta = 0.0f;
    float scaleYDelta = 0.0f;

    static std::shared_ptr<TParticle> CreateParticle(const TGameImagePtr& image, float x, float y,
                                                     const std::string& text,
                                                     const TImageFontPtr& font);

    // False once the particle is dead.
    int Logic() override;
    virtual void SetParams(float alphaStep, float rotationStep, float scaleXStep, float scaleYStep,
                           float speedXValue, float speedYValue);
};

using TParticlePtr = std::shared_ptr<TParticle>;
