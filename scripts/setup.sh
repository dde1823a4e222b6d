#!/usr/bin/env bash
# Installs what Numerillo needs on Debian 12: what it takes to build and run
# the program, and with --tests what its tests need too. Quiet when all is
# already there; safe to run again.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libsndfile1-dev portaudio19-dev libasound2-dev libfontconfig-dev
    fonts-liberation2
)
if [[ "${1:-}" == "--tests" ]]; then
    packages+=(libbenchmark-dev xvfb xauth libx11-dev libxdamage-dev imagemagick alsa-utils
               openbox x11-utils desktop-file-utils
               poppler-utils)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
