#include "platform/Images.h"

// Picture decoding comes with the display backend; until then nothing loads.
TImagePtr LoadImage(const std::string&, int) {
    return nullptr;
}

TImagePtr LoadAnimImage(const std::string&, int, int, int, int, int) {
    return nullptr;
}
