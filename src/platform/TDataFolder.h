#pragma once

#include <filesystem>

// Where the game's Data/ folder is: beside the executable (the build folder,
// a copy carried around whole), else in the share folder of the prefix the
// game was installed into, found relative to the executable so that any
// prefix works.
class TDataFolder {
public:
    // The folder that holds Data/: exeDir when it has one, else
    // exeDir/shareFromExe when that has one, else exeDir (where the game then
    // reports its first missing picture as it always has).
    static std::filesystem::path Find(const std::filesystem::path& exeDir,
                                      const std::filesystem::path& shareFromExe);
};
