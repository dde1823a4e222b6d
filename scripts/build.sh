#!/usr/bin/env bash
# Builds Numerillo into build/ (or the folder given), which then holds the
# complete program: the executable with its data beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"
