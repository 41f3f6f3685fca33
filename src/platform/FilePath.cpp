#include "platform/FilePath.h"

#include <filesystem>
#include <system_error>

#include "platform/Strings.h"

namespace fs = std::filesystem;

namespace {

// The entry of folder whose name equals name without regard to case, or empty.
fs::path MatchInFolder(const fs::path& folder, const std::string& name) {
    std::error_code error;
    const std::string wanted = Upper(name);
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end;
         !error && it != end; it.increment(error)) {
        if (Upper(it->path().filename().string()) == wanted) {
            return folder / it->path().filename();
        }
    }
    return {};
}

} // namespace

std::string ResolvePath(const std::string& path) {
    std::error_code error;
    if (path.empty() || fs::exists(path, error)) {
        return path;
    }
    fs::path resolved;
    for (const auto& part : fs::path(path)) {
        const auto name = part.string();
        if (name.empty() || name == "/" || name == "." || name == "..") {
            resolved /= part;
            continue;
        }
        auto candidate = resolved / part;
        if (fs::exists(candidate, error)) {
            resolved = candidate;
            continue;
        }
        auto match = MatchInFolder(resolved, name);
        if (match.empty()) {
            return path;
        }
        resolved = match;
    }
    return resolved.string();
}
