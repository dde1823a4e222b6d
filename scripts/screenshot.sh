#!/usr/bin/env bash
# Starts Numerillo under a virtual X display and saves a PNG of the screen,
# to look at what a pupil sees.
#   scripts/screenshot.sh OUT.png [SECONDS] [-- program arguments]
# The program runs from a copy of the program folder, so its settings there
# can be changed freely: set NUMERILLO_LANGUAGE=fr to start in French.
# Other variables: BUILD (program folder, default build), SIZE (1024x768).
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:?usage: scripts/screenshot.sh OUT.png [SECONDS]}"
wait_seconds="${2:-3}"
build="${BUILD:-build}"
size="${SIZE:-1024x768}"

appdir=$(mktemp -d)
trap 'rm -rf "$appdir"' EXIT
cp -r "$build/numerillo" "$build/numerillo-audio.so" "$build/numerillo-print.so" "$build/sys" "$appdir/"
[[ -d "$build/sounds" ]] && cp -r "$build/sounds" "$appdir/"
[[ -d "$build/pictures" ]] && cp -r "$build/pictures" "$appdir/"
[[ -f "$build/default.wav" ]] && cp "$build/default.wav" "$appdir/"
if [[ -n "${NUMERILLO_LANGUAGE:-}" ]]; then
    sed -i "s/^Language=.*/Language=${NUMERILLO_LANGUAGE}\r/" "$appdir/sys/multable.ini"
fi
if [[ -n "${NUMERILLO_CHOICES:-}" ]]; then
    printf '%s\r\n' $NUMERILLO_CHOICES > "$appdir/sys/choices.txt"
fi

xvfb-run -a -s "-screen 0 ${size}x24" bash -c "
    '$appdir/numerillo' ${NUMERILLO_ARGS:-} &
    pid=\$!
    sleep $wait_seconds
    import -window root '$out'
    kill \$pid 2>/dev/null || true
"
echo "$out"
