#include "sprites/TParticleList.h"

TParticlePtr TParticleList::AddNew(const TGameImagePtr& image, int x, int y,
                                   const std::string& text, const TImageFontPtr& font) {
    auto particle =
        TParticle::CreateParticle(image, static_cast<float>(x), static_cast<float>(y), text, font);
    AddLast(particle);
    return particle;
}

void TParticleList::Draw() {
    for (const auto& object : *this) {
        if (auto* particle = AsPtr<TParticle>(object)) {
            particle->Draw();
        }
    }
}

void TParticleList::Logic() {
    for (const auto& object : *this) {
        if (auto* particle = AsPtr<TParticle>(object)) {
            if (!particle->Logic()) {
                Remove(object);
            }
        }
    }
}
