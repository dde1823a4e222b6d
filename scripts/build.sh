#!/usr/bin/env bash
# Builds Numerillo into build/ (or the folder given), which then holds the
# complete program: the executable with its data beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
launcher=()
# A compiler cache, where one is installed, makes rebuilds of unchanged files instant.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
