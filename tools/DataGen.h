// Writes the game's whole Data/ folder, and the review sheets beside it.
#pragma once

#include <filesystem>

namespace datagen {

// Creates <outDir>/Data/..., the desktop icons in <outDir>/icons/hicolor/... and
// <outDir>/review/...; the same bytes on every run.
void generateData(const std::filesystem::path& outDir);

} // namespace datagen
