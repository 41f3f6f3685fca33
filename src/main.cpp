#include <filesystem>
#include <system_error>

#include "core/Entry.h"

int main(int, char** argv) {
    // Data/ lies beside the executable, wherever it is started from.
    std::error_code error;
    auto exe = std::filesystem::canonical("/proc/self/exe", error);
    if (error) {
        exe = std::filesystem::absolute(argv[0], error);
    }
    if (!error) {
        std::filesystem::current_path(exe.parent_path(), error);
    }
    BrindlewickMain();
}
