#!/usr/bin/env bash
# Draws the pictures that ship with Numerillo into data/pictures/:
#   keypad-texture.jpg  dark, calm texture behind the drill window's mental-mode panel
#   help-texture.jpg    light, plain texture that covers the help-texts panel
#   palette.png, flip.png, turn.png, thermometer.png, calculator.png
#                       24 x 24 tool-button pictures of the screen colour window
#
# Needs ImageMagick (convert). Reruns give the same files: the noise and
# plasma are seeded and no date or other metadata is written.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/data/pictures"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"

png_opts=(-depth 8 -strip -define 'png:exclude-chunks=date,time,tIME,zTXt,tEXt,iTXt' -define png:color-type=6)

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

# ---- tool pictures --------------------------------------------------------
# Drawn four times larger on a transparent canvas, then averaged down to 24 x 24
# so that the edges are smooth but stay sharp.
S=96
icon() { # name, then the drawing arguments applied to a transparent 96 x 96 canvas
    local name=$1
    shift
    convert -size ${S}x${S} xc:none "$@" -filter Box -resize 24x24 "${png_opts[@]}" "$out/$name"
}

# Painter's palette: a wooden board with a thumb hole and five blobs of paint.
convert -size ${S}x${S} xc:none \
    -fill '#d39a52' -stroke '#6b4419' -strokewidth 5 \
    -draw 'ellipse 48,50 43,36 0,360' \
    \( -size ${S}x${S} xc:none -fill black -draw 'ellipse 66,68 12,9 0,360' -draw 'ellipse 86,70 14,12 0,360' \) \
    -compose DstOut -composite -compose Over \
    -stroke '#6b4419' -strokewidth 4 -fill none -draw 'ellipse 66,68 12,9 0,360' \
    "$tmp/board.png"
icon palette.png "$tmp/board.png" -composite \
    -stroke '#00000066' -strokewidth 2 \
    -fill '#e8262b' -draw 'circle 26,34 35,34' \
    -fill '#ffd21f' -draw 'circle 46,25 55,25' \
    -fill '#2fa84f' -draw 'circle 68,30 77,30' \
    -fill '#2a6fe0' -draw 'circle 24,58 33,58' \
    -fill '#9b3fd1' -draw 'circle 40,74 48,74'

# Flip: a gradient above the same gradient reversed, with a two-way arrow.
convert -size 26x84 gradient:'#1f4fb8-#e6f0ff' -rotate 90 "$tmp/g1.png"
convert "$tmp/g1.png" -flop "$tmp/g2.png"
icon flip.png \
    "$tmp/g1.png" -geometry +6+4 -composite \
    "$tmp/g2.png" -geometry +6+66 -composite \
    -fill none -stroke '#1b2a4a' -strokewidth 4 \
    -draw 'roundrectangle 6,4 90,30 4,4' -draw 'roundrectangle 6,66 90,92 4,4' \
    -stroke '#1b2a4a' -strokewidth 8 -draw 'line 30,48 66,48' \
    -fill '#1b2a4a' -stroke none -draw 'polygon 12,48 32,34 32,62' -draw 'polygon 84,48 64,34 64,62'

# Turn: a tile of vertical bands and a tile of horizontal bands, overlapping.
bands() { # file, band colours...
    local file=$1
    shift
    local args=() i=0 c
    for c in "$@"; do args+=(-fill "$c" -draw "rectangle $((i * 12)),0 $((i * 12 + 11)),59"); i=$((i + 1)); done
    convert -size 60x60 xc:none "${args[@]}" "$file"
}
bands "$tmp/v.png" '#e8262b' '#ff8c1a' '#ffd21f' '#2fa84f' '#2a6fe0'
convert "$tmp/v.png" -rotate 90 "$tmp/h.png"
icon turn.png \
    "$tmp/v.png" -geometry +4+4 -composite \
    -fill none -stroke '#1b2a4a' -strokewidth 4 -draw 'rectangle 4,4 63,63' \
    "$tmp/h.png" -geometry +32+32 -composite \
    -fill none -stroke '#1b2a4a' -strokewidth 4 -draw 'rectangle 32,32 91,91'

# Thermometer: glass tube and bulb, red liquid, scale marks.
icon thermometer.png \
    -fill '#eef4fb' -stroke '#3a4a60' -strokewidth 5 \
    -draw 'roundrectangle 38,6 58,70 10,10' -draw 'circle 48,74 48,92' \
    -stroke none -fill '#eef4fb' -draw 'rectangle 41,60 55,72' \
    -fill '#e02424' -draw 'circle 48,74 48,87' -draw 'roundrectangle 44,30 52,76 4,4' \
    -fill '#ffffff99' -draw 'circle 44,70 44,73' \
    -stroke '#3a4a60' -strokewidth 4 \
    -draw 'line 62,20 72,20' -draw 'line 62,32 70,32' -draw 'line 62,44 72,44' -draw 'line 62,56 70,56'

# Pocket calculator: body, display with digits, a grid of keys.
keys=()
for row in 0 1 2 3; do
    for col in 0 1 2; do
        x=$((22 + col * 19)) y=$((40 + row * 13))
        fill='#f4f4f4'
        [[ $row == 3 && $col == 2 ]] && fill='#ff8c1a'
        keys+=(-fill "$fill" -draw "roundrectangle $x,$y $((x + 14)),$((y + 9)) 2,2")
    done
done
icon calculator.png \
    -fill '#4b5a70' -stroke '#1b2a4a' -strokewidth 4 -draw 'roundrectangle 14,4 82,92 10,10' \
    -fill '#b9e6a4' -stroke '#1b2a4a' -strokewidth 3 -draw 'rectangle 22,12 74,32' \
    -stroke '#2d4a26' -strokewidth 3 -draw 'line 50,17 50,27' \
    -draw 'line 57,17 65,17' -draw 'line 65,17 65,22' -draw 'line 57,22 65,22' -draw 'line 57,22 57,27' \
    -draw 'line 57,27 65,27' \
    -stroke none "${keys[@]}"

ls -l "$out"
