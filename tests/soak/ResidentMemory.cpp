#include "ResidentMemory.h"

#include <fstream>
#include <sstream>
#include <string>

int64_t ResidentKilobytes(const std::string& field) {
    const std::string key = field + ":";
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            std::istringstream fields(line.substr(key.size()));
            int64_t kilobytes = -1;
            fields >> kilobytes;
            return kilobytes;
        }
    }
    return -1;
}
