// The game's desktop icon: the ship on a dark tile, drawn anew for each size.
#pragma once

#include "Image.h"

#include <vector>

namespace datagen {

struct Icon {
    int size; // width and height in pixels
    Image image;
};

// The sizes of the hicolor theme the game installs.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// The size the game also shows as its window icon (Data/Icons/brindlewick.png).
constexpr int kWindowIconSize = 64;

// One icon for each of kIconSizes, in that order. Unlike the sprites, the icons carry a
// true alpha channel (straight, not premultiplied) for the desktop to blend them.
std::vector<Icon> makeIcons();

} // namespace datagen
