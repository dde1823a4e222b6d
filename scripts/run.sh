#!/usr/bin/env bash
# Installs what Numerillo needs, builds the program alone and starts it.
#   scripts/run.sh                   build and start
#   scripts/run.sh --install-menu    build, and add Numerillo to the desktop's
#                                    application menu for the current user
#   scripts/run.sh --uninstall-menu  take out what --install-menu added
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
    "")
        scripts/setup.sh
        scripts/build.sh build numerillo
        exec build/numerillo ;;
    --install-menu)
        scripts/setup.sh
        scripts/build.sh build numerillo numerillo_icons
        exec scripts/desktop-menu.sh install build ;;
    --uninstall-menu)
        exec scripts/desktop-menu.sh uninstall ;;
    *)
        echo "usage: scripts/run.sh [--install-menu | --uninstall-menu]" >&2
        exit 2 ;;
esac
