// The four music tracks, composed and rendered by a small sequencer.
#pragma once

#include "Audio.h"

namespace datagen {

// Looping tracks: their last sample flows into their first.
Sound titleMusic();
Sound gameMusic();

// Played once.
Sound victoryMusic();
Sound gameOverMusic();

} // namespace datagen
