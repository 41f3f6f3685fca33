#!/usr/bin/env bash
# Sets everything up, builds and runs every test, then runs them once more
# under AddressSanitizer and UndefinedBehaviorSanitizer, and fuzzes the loaders
# for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset debug >/dev/null
cmake --build --preset debug
ctest --preset debug
# The file loaders under libFuzzer for a short, fixed time each.
scripts/fuzz.sh 20
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
