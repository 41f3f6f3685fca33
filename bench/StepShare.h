#pragma once

#include <benchmark/benchmark.h>

// The game steps its logic 200 times a second: each step has 5 ms.
inline constexpr double LOGIC_STEP_US = 5000.0;

// A counter the library turns into a figure per call: seconds of the run
// divided by iterations over unitsPerSecond.
inline benchmark::Counter PerCall(double unitsPerSecond, double iterations) {
    return benchmark::Counter(iterations / unitsPerSecond,
                              benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Microseconds per call and their share, in per cent, of one logic step.
inline void ReportShareOfStep(benchmark::State& state) {
    const auto n = static_cast<double>(state.iterations());
    state.counters["us_per_call"] = PerCall(1e6, n);
    state.counters["pct_of_step"] = PerCall(1e6 * 100.0 / LOGIC_STEP_US, n);
}
