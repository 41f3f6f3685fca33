#include "platform/Random.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "platform/TPlatform.h"

namespace {

// 53 random bits as a real number in [0, 1).
double Unit() {
    auto& random = TPlatform::Instance().random;
    uint64_t high = random() >> 5; // 27 bits
    uint64_t low = random() >> 6;  // 26 bits
    return static_cast<double>((high << 26) | low) / 9007199254740992.0;
}

} // namespace

int SeedRnd(int seed) {
    TPlatform::Instance().random.seed(static_cast<uint32_t>(seed));
    return 0;
}

int Rand(int a, int b) {
    if (b < a) {
        std::swap(a, b);
    }
    auto span = static_cast<int64_t>(b) - a + 1;
    auto offset = static_cast<int64_t>(std::floor(Unit() * static_cast<double>(span)));
    return static_cast<int>(a + offset);
}

double Rnd(double a, double b) {
    double value = a + (b - a) * Unit();
    // Rounding must not reach the upper end.
    return value < b || a == b ? value : std::nextafter(b, a);
}
