#pragma once

#include <string>

// The path to open for path: path itself when it exists, otherwise the path
// whose every component matches without regard to case (so "data/images/gear.png"
// finds "Data/Images/gear.png"), otherwise path unchanged.
std::string ResolvePath(const std::string& path);
