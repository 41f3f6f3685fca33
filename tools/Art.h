// Every picture of the game, painted with Cairo.
#pragma once

#include "Image.h"

#include <string>
#include <vector>

namespace datagen {

struct Picture {
    std::string file; // path inside Data/
    Image image;
    int cellWidth = 0; // the whole image when it has one cell
    int cellHeight = 0;
    int cells = 1;
};

// Sprites and their white silhouettes.
std::vector<Picture> makeSprites();

// Full-screen pictures, the logo and the gear.
std::vector<Picture> makeScreens();

} // namespace datagen
