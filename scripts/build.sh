#!/usr/bin/env bash
# Builds Numerillo into build/ (or the folder given), which then holds the
# complete program: the executable with its data beside it.
#   scripts/build.sh [FOLDER [TARGET...]]
# Without targets it builds everything, the tests and benchmarks too; the
# target numerillo is the program alone (with its sound module and data).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
shift || true
launcher=()
# A compiler cache, where one is installed, makes rebuilds of unchanged files instant.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"
