#!/usr/bin/env bash
# Measures the time from launching Numerillo (sound off) to its start window
# mapped on screen and to its first drawing, beside a bare Qt Widgets window,
# alternating the two in one run under one virtual display.
#   scripts/bench-startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-15}"
scripts/setup.sh --tests
scripts/build.sh build >/dev/null

appdir=$(mktemp -d)
trap 'rm -rf "$appdir"' EXIT
cp -r build/numerillo build/numerillo-audio.so build/sys build/sounds build/pictures build/default.wav "$appdir/"
sed -i 's/^Bouton=.*/Bouton=0\r/' "$appdir/sys/multable.ini"

timer=build/benchmarks/startup/launch_to_window
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -s "$runs" "$appdir/numerillo" \
    build/benchmarks/startup/bare_window "$timer" <<'INNER'
runs=$1 program=$2 bare=$3 timer=$4
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
log=$(mktemp -d)

for ((i = 0; i < runs; i++)); do
    "$timer" Bare "$bare" >> "$log/bare"
    "$timer" Numerillo "$program" >> "$log/numerillo"
done
echo "runs: $runs each, alternating; median milliseconds from launch"
printf '%-16s %8s %8s\n' "" mapped drawn
for name in bare numerillo; do
    printf '%-16s %8s %8s\n' "$name" "$(cut -d' ' -f1 "$log/$name" | median)" \
        "$(cut -d' ' -f2 "$log/$name" | median)"
done
for column in 1 2; do
    b=$(cut -d' ' -f$column "$log/bare" | median)
    n=$(cut -d' ' -f$column "$log/numerillo" | median)
    awk -v n="$n" -v b="$b" -v c=$column \
        'BEGIN {printf "ratio %s:  %.2f\n", (c == 1 ? "mapped" : "drawn "), n / b}'
done
rm -rf "$log"
INNER
