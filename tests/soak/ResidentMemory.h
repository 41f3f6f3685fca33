#pragma once

#include <cstdint>
#include <string>

// A memory figure of this process from /proc/self/status in kilobytes: VmRSS
// (resident now) or VmHWM (the highest resident so far); -1 where it cannot be read.
int64_t ResidentKilobytes(const std::string& field = "VmRSS");
