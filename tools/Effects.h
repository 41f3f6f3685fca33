// The sound effects: short synthesized sounds, one function each.
#pragma once

#include "Audio.h"

#include <string>
#include <vector>

namespace datagen {

struct NamedSound {
    std::string file; // name inside Data/Sound/
    Sound sound;
};

// Every effect of the game, ready to write, in a fixed order.
std::vector<NamedSound> makeEffects();

// The title logo's shimmer (written as OGG).
Sound logoShimmer();

} // namespace datagen
