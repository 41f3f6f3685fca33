#include <filesystem>
#include <system_error>

#include "core/Entry.h"
#include "platform/TDataFolder.h"
#include "platform/TPlatform.h"
#include "platform/TSdlBackend.h"

#ifndef BRINDLEWICK_SHARE_FROM_EXE
#define BRINDLEWICK_SHARE_FROM_EXE ""
#endif

int main(int, char** argv) {
    // Data/ lies beside the executable, or in the installed share folder;
    // either way the game runs from the folder that holds it, wherever it is
    // started from.
    std::error_code error;
    auto exe = std::filesystem::canonical("/proc/self/exe", error);
    if (error) {
        exe = std::filesystem::absolute(argv[0], error);
    }
    if (!error) {
        std::filesystem::current_path(
            TDataFolder::Find(exe.parent_path(), BRINDLEWICK_SHARE_FROM_EXE), error);
    }
    // The real window, drawing and input; tests and tools keep the headless one.
    TPlatform::Instance().SetBackend(std::make_unique<TSdlBackend>());
    BrindlewickMain();
}
