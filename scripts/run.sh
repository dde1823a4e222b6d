#!/usr/bin/env bash
# Installs what Numerillo needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
exec build/numerillo
