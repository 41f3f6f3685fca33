// Review sheets written beside Data/: a contact sheet of every picture and a sound table.
#pragma once

#include "Art.h"
#include "Audio.h"

#include <filesystem>
#include <string>
#include <vector>

namespace datagen {

void writeContactSheet(const std::filesystem::path& path, const std::vector<Picture>& pictures);

struct SoundRow {
    std::string file;
    SoundStats stats;
};
void writeSoundTable(const std::filesystem::path& path, const std::vector<SoundRow>& rows);

} // namespace datagen
