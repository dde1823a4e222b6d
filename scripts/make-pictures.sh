#!/usr/bin/env bash
# Draws the pictures that ship with Numerillo into data/pictures/:
#   keypad-texture.jpg  dark, calm texture behind the drill window's mental-mode panel
#   help-texture.jpg    light, plain texture that covers the help-texts panel
#
# Needs ImageMagick (convert). Reruns give the same files: the noise and
# plasma are seeded and no date or other metadata is written.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/data/pictures"
mkdir -p "$out"

# ---- textures -----------------------------------------------------------
# Keypad panel: soft night-blue clouds; dark enough for white bold text.
# (-modulate 100,0 rather than -colorspace gray: a grey colourspace would make
# the JPEG writer store a grey picture even after colouring)
convert -size 231x250 -seed 11 plasma:fractal -blur 0x5 -modulate 100,0 -auto-level \
    -seed 12 -attenuate 0.12 +noise Gaussian \
    +level-colors '#0a1838,#2e5790' \
    -strip -sampling-factor 1x1 -quality 90 "$out/keypad-texture.jpg"

# Help panel: pale cream paper with a faint grain.
convert -size 234x200 -seed 21 plasma:fractal -blur 0x5 -modulate 100,0 -auto-level \
    -seed 22 -attenuate 0.3 +noise Gaussian -blur 0x0.5 \
    +level-colors '#f3ecce,#fffbea' \
    -strip -sampling-factor 1x1 -quality 90 "$out/help-texture.jpg"
