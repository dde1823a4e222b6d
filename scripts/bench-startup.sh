#!/usr/bin/env bash
# Measures the time from launching Numerillo (sound off) to its start window
# mapped on screen and to its first drawing, beside a bare Qt Widgets window
# (the yardstick) and the smallest window with a menu bar and text, taking
# turns in one run under one virtual display. Ratios are to the bare window.
#   scripts/bench-startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-15}"
scripts/setup.sh --tests
scripts/build.sh build >/dev/null

appdir=$(mktemp -d)
trap 'rm -rf "$appdir"' EXIT
cp -r build/numerillo build/numerillo-audio.so build/numerillo-print.so build/sys build/sounds build/pictures build/default.wav "$appdir/"
sed -i 's/^Bouton=.*/Bouton=0\r/' "$appdir/sys/multable.ini"

xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -s "$runs" "$appdir/numerillo" <<'INNER'
runs=$1 program=$2
timer=build/benchmarks/startup/launch_to_window
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
log=$(mktemp -d)

for ((i = 0; i < runs; i++)); do
    "$timer" Bare build/benchmarks/startup/bare_window >> "$log/bare"
    "$timer" Menu build/benchmarks/startup/menu_window >> "$log/menu"
    "$timer" Numerillo "$program" >> "$log/numerillo"
done
echo "runs: $runs each, taking turns; median milliseconds from launch, and ratio to bare"
printf '%-14s %8s %8s %8s %8s\n' "" mapped ratio drawn ratio
for name in bare menu numerillo; do
    line=$(printf '%-14s' "$name")
    for column in 1 2; do
        b=$(cut -d' ' -f$column "$log/bare" | median)
        m=$(cut -d' ' -f$column "$log/$name" | median)
        line+=$(awk -v m="$m" -v b="$b" 'BEGIN {printf " %8.1f %8.2f", m, m / b}')
    done
    echo "$line"
done
rm -rf "$log"
INNER
