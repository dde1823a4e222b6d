#!/usr/bin/env bash
# Measures the time from launching Numerillo (sound off) to its start window
# viewable on screen and to its first drawing, beside a bare Qt Widgets window
# and the smallest window with a menu bar and text (the yardstick), taking
# turns in one run under one virtual display: first without a window manager,
# then with openbox managing the windows. Ratios are to the menu window
# launched in the same turn.
#   scripts/bench-startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-31}"
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

# One launch; a window that never shows is counted, not waited for.
launch() {
    timeout 10 "$timer" "$@" 2>/dev/null || echo "no window: $1" >> "$log/missed"
}

# One setup: every program launched in turn, RUNS times.
measure() {
    local setup=$1
    for ((i = 0; i < runs; i++)); do
        launch Bare build/benchmarks/startup/bare_window >> "$log/$setup-bare"
        launch Menu build/benchmarks/startup/menu_window >> "$log/$setup-menu"
        launch Numerillo "$program" >> "$log/$setup-numerillo"
    done
}

# Medians of the times, and the median of the ratios to the menu window
# launched in the same turn, which the load of other programs sways less.
report() {
    local setup=$1
    echo "$2"
    printf '%-14s %8s %8s %8s %8s\n' "" viewable ratio drawn ratio
    for name in bare menu numerillo; do
        line=$(printf '%-14s' "$name")
        for column in 1 2; do
            t=$(cut -d' ' -f$column "$log/$setup-$name" | median)
            r=$(paste -d' ' <(cut -d' ' -f$column "$log/$setup-$name") \
                            <(cut -d' ' -f$column "$log/$setup-menu") |
                awk '{print $1 / $2}' | median)
            line+=$(printf ' %8.1f %8.2f' "$t" "$r")
        done
        echo "$line"
    done
}

measure bare-display
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
# Openbox manages the screen once it has named itself on the root window.
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do sleep 0.1; done
measure openbox
kill "$manager"
echo "runs: $runs each, taking turns; median milliseconds from launch, and median ratio to the menu window of the same turn"
report bare-display "Xvfb alone"
report openbox "Xvfb with openbox"
[[ -f "$log/missed" ]] && sort "$log/missed" | uniq -c
rm -rf "$log"
INNER
