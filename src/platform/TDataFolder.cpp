#include "platform/TDataFolder.h"

#include <system_error>

namespace {

bool HoldsData(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_directory(folder / "Data", error);
}

} // namespace

std::filesystem::path TDataFolder::Find(const std::filesystem::path& exeDir,
                                        const std::filesystem::path& shareFromExe) {
    if (HoldsData(exeDir)) {
        return exeDir;
    }
    const std::filesystem::path installed = (exeDir / shareFromExe).lexically_normal();
    if (!shareFromExe.empty() && HoldsData(installed)) {
        return installed;
    }
    return exeDir;
}
