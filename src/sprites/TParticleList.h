#pragma once

#include "platform/TList.h"
#include "sprites/TParticle.h"

// Every live particle, in the order added (which is also drawing order).
class TParticleList : public TList {
public:
    static std::shared_ptr<TParticleList> Create() { return std::make_shared<TParticleList>(); }

    // A new particle at the end of the list, returned for its creator to set up.
    virtual TParticlePtr AddNew(const TGameImagePtr& image, int x, int y, const std::string& text,
                                const TImageFontPtr& font);
    virtual void Draw();
    // Steps every particle and drops the dead ones at once.
    virtual void Logic();
};

using TParticleListPtr = std::shared_ptr<TParticleList>;
