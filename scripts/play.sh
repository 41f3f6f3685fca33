#!/usr/bin/env bash
# Sets everything up, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/brindlewick
