#include <filesystem>
#include <system_error>

#include "core/Entry.h"
#include "platform/TPlatform.h"
#include "platform/TSdlBackend.h"

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
    // The real window, drawing and input; tests and tools keep the headless one.
    TPlatform::Instance().SetBackend(std::make_unique<TSdlBackend>());
    BrindlewickMain();
}
