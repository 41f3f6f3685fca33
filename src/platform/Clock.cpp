#include "platform/Clock.h"

#include <cstdint>

#include "platform/TPlatform.h"

int MilliSecs() {
    auto now = static_cast<uint64_t>(TPlatform::Instance().Backend().Now());
    return static_cast<int>(static_cast<uint32_t>(now));
}

int Delay(int ms) {
    TPlatform::Instance().Backend().Sleep(ms);
    return 0;
}
