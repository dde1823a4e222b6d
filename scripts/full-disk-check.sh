#!/usr/bin/env bash
# Runs Numerillo with its sys folder on a 64 KiB tmpfs that is filled while
# the program runs, quits it, and checks that the settings and the choice of
# tables are the old files, whole, and that the program said so.
#   sudo scripts/full-disk-check.sh [OUT-FOLDER]
# OUT-FOLDER receives pictures of the messages (default: a temporary folder).
# Needs root (for the mount), xvfb-run, xdotool and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD:-build}"
out="${1:-$(mktemp -d)}"
mkdir -p "$out"
[[ $(id -u) == 0 ]] || { echo "needs root, for mounting a tmpfs" >&2; exit 2; }

appdir=$(mktemp -d)
cleanup() {
    umount "$appdir/sys" 2>/dev/null || true
    rm -rf "$appdir"
}
trap cleanup EXIT
cp -r "$build/numerillo" "$build/numerillo-audio.so" "$build/pictures" "$appdir/"
mkdir "$appdir/sys"
mount -t tmpfs -o size=64k tmpfs "$appdir/sys"
# The English files fit the small disk; the help pages are left out.
cp "$build"/sys/{en.lng,enOpSel.txt,frOpSel.txt,en-soundevents.txt,SoundStr.txt,Sound?.txt} "$appdir/sys/"
printf '[GLOBAL]\r\nLanguage=en\r\n[SON]\r\nBouton=0\r\n' > "$appdir/sys/multable.ini"
printf '2\r\n5\r\n' > "$appdir/sys/choices.txt"
before=$(cd "$appdir/sys" && md5sum multable.ini choices.txt)

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -u
    appdir=$1 out=$2
    "$appdir/numerillo" &
    pid=$!
    wid=$(xdotool search --sync --onlyvisible --name "^Numerillo$" | head -1)
    sleep 1
    # Fill the disk to its last byte.
    cat /dev/zero > "$appdir/sys/filler" 2>/dev/null || true
    df -k "$appdir/sys" | tail -1 > "$out/disk.txt"
    xdotool windowfocus --sync "$wid" key space   # the focus stands on Quit
    for n in 1 2; do
        sleep 1
        import -window root "$out/message-$n.png"
        xdotool key Return
    done
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    if kill -0 $pid 2>/dev/null; then echo "the program did not end" >&2; kill $pid; exit 1; fi
' _ "$appdir" "$out"

after=$(cd "$appdir/sys" && md5sum multable.ini choices.txt)
leftovers=$(cd "$appdir/sys" && ls -A | grep -E '\.[A-Za-z0-9]{6}$' || true)
echo "disk: $(cat "$out/disk.txt")"
echo "pictures of the messages: $out/message-1.png $out/message-2.png"
if [[ "$before" == "$after" && -z "$leftovers" ]]; then
    echo "multable.ini and choices.txt are the old files, whole"
else
    echo "FAILED: files changed or leftovers: $leftovers" >&2
    diff <(echo "$before") <(echo "$after") >&2 || true
    exit 1
fi
