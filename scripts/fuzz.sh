#!/usr/bin/env bash
# Builds the loader fuzzers with clang (in build/fuzz), makes their seed
# corpora from the generated data and runs each fuzzer for a fixed time.
#   scripts/fuzz.sh [seconds per fuzzer, default 20]
# The seeds come from the Data folder of a build (build/debug/Data, else
# build/asan/Data; BRINDLEWICK_DATA names another). Exits non-zero when any
# fuzzer finds a crash, a leak, a hang or a sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."

SECONDS_EACH=${1:-20}
TARGETS=(png wav ogg font)
BUILD=build/fuzz
ROOT=$(pwd)

DATA=${BRINDLEWICK_DATA:-}
if [ -z "$DATA" ]; then
    for candidate in build/debug/Data build/asan/Data; do
        if [ -d "$candidate" ]; then
            DATA=$candidate
            break
        fi
    done
fi
if [ -z "$DATA" ]; then
    echo "fuzz: no generated Data folder found; seeding with the made-up files only"
    DATA=-
fi

CXX=clang++ cmake -S fuzz -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j2

rm -rf "$BUILD/seeds" "$BUILD/artifacts"
mkdir -p "$BUILD/artifacts"
"$BUILD/make_seeds" "$DATA" "$BUILD/seeds"

# libvorbisfile loses a few bytes on some streams it refuses; that is the
# library's, not the decoder's.
export LSAN_OPTIONS="suppressions=$ROOT/fuzz/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1"

passed=0
failed=0
for target in "${TARGETS[@]}"; do
    corpus="$BUILD/corpus/$target"
    log="$BUILD/$target.log"
    mkdir -p "$corpus"
    if "$BUILD/fuzz_$target" -max_total_time="$SECONDS_EACH" -timeout=25 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$BUILD/artifacts/$target-" \
        "$corpus" "$BUILD/seeds/$target" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz_$target: ${runs:-?} runs, no crash"
        passed=$((passed + 1))
    else
        echo "fuzz_$target: FAILED (log $log, input in $BUILD/artifacts/)"
        grep -E -A25 "ERROR|broken promise|runtime error" "$log" | head -40 || tail -40 "$log"
        failed=$((failed + 1))
    fi
done

echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
