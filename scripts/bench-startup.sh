#!/usr/bin/env bash
# Measures the time from launching Numerillo (sound off) to its start window
# on screen, beside a bare Qt Widgets window, alternating the two in one run
# under one virtual display.
#   scripts/bench-startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-15}"
scripts/setup.sh --tests
scripts/build.sh build >/dev/null

appdir=$(mktemp -d)
trap 'rm -rf "$appdir"' EXIT
cp -r build/numerillo build/sys build/sounds build/pictures build/default.wav "$appdir/"
sed -i 's/^Bouton=.*/Bouton=0\r/' "$appdir/sys/multable.ini"

timer=build/benchmarks/startup/launch_to_map
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -s "$runs" "$appdir/numerillo" \
    build/benchmarks/startup/bare_window "$timer" <<'INNER'
runs=$1 program=$2 bare=$3 timer=$4
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for ((i = 0; i < runs; i++)); do
    "$timer" Bare "$bare" >> /tmp/bench-bare.$$
    "$timer" Numerillo "$program" >> /tmp/bench-numerillo.$$
done
bare_ms=$(median < /tmp/bench-bare.$$)
numerillo_ms=$(median < /tmp/bench-numerillo.$$)
rm -f /tmp/bench-bare.$$ /tmp/bench-numerillo.$$
echo "runs: $runs each, alternating; median time from launch to the window mapped"
echo "bare Qt window: ${bare_ms} ms"
echo "Numerillo:      ${numerillo_ms} ms"
awk -v n="$numerillo_ms" -v b="$bare_ms" 'BEGIN {printf "ratio:          %.2f\n", n / b}'
INNER
