// Small deterministic random generator (SplitMix64). The data must come out the same on
// every run and every machine, so nothing here depends on the standard library's engines.
#pragma once

#include <cstdint>

namespace datagen {

class Prng {
public:
    explicit Prng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

    // Uniform in [-1, 1).
    double signedUnit() { return range(-1.0, 1.0); }

    // Whole number in [lo, hi], both ends included.
    int between(int lo, int hi) {
        const auto span = static_cast<std::uint64_t>(hi - lo + 1);
        return lo + static_cast<int>(next() % span);
    }

private:
    std::uint64_t state_;
};

} // namespace datagen
