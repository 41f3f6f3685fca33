#pragma once

#include <string>

#include "platform/TImage.h"

// The screens' own full-screen pictures. A picture that cannot be loaded is
// not fatal: the screen shows without it and the program says once, on
// standard error, which file is missing. A picture once loaded is kept for
// the rest of the game.
TImagePtr LoadScreenPicture(const std::string& path);
TImagePtr LoadScreenAnimation(const std::string& path, int cellWidth, int cellHeight, int count);
