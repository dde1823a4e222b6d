#!/usr/bin/env bash
# Installs what the tests need, builds Numerillo and runs its whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
scripts/build.sh build
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
