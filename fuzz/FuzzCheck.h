#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the run when a loader hands back something it promises never to: the
// fuzzer keeps the input that did it.
#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condition);   \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
