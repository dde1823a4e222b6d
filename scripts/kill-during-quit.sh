#!/usr/bin/env bash
# Kills Numerillo with SIGKILL at random moments of its quit, RUNS times
# (default 100), and checks after each kill that the settings and the choice
# of tables are each either the old file or the new one, whole.
#   scripts/kill-during-quit.sh [RUNS]
# Needs xvfb-run and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath "${BUILD:-build}")"
runs="${1:-100}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/program"
cp -r "$build/numerillo" "$build/numerillo-audio.so" "$build/pictures" "$build/sys" "$work/program/"
old_settings=$'[GLOBAL]\r\nLanguage=en\r\n[SON]\r\nBouton=0\r\n'
old_choices=$'5\r\n2\r\n'

# No reset of the server between runs, which would refuse connections meanwhile.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -c '
    set -euo pipefail
    work=$1 runs=$2 old_settings=$3 old_choices=$4
    sys="$work/program/sys"
    reset() {
        printf "%s" "$old_settings" > "$sys/multable.ini"
        printf "%s" "$old_choices" > "$sys/choices.txt"
    }
    # Runs the program and presses Quit; kills it $1 seconds later, or lets
    # it end when $1 is "never".
    quit_after() {
        "$work/program/numerillo" 2>/dev/null &
        local pid=$!
        local wid
        wid=$(xdotool search --sync --onlyvisible --pid $pid --name "^Numerillo$" | head -1)
        xdotool windowfocus --sync "$wid"
        # The key goes while the delay runs: the kill lands before, during
        # or after the quit.
        xdotool key space &   # the focus stands on Quit
        if [[ $1 == never ]]; then
            wait $pid || true
        else
            sleep "$1"
            kill -KILL $pid 2>/dev/null || true
            wait $pid 2>/dev/null || true
        fi
        wait
    }
    # The new files, from a quit that runs to its end.
    reset
    quit_after never
    new_settings=$(md5sum < "$sys/multable.ini")
    new_choices=$(md5sum < "$sys/choices.txt")
    declare -A seen=()
    for run in $(seq "$runs"); do
        reset
        quit_after "0.0$(printf "%03d" $((RANDOM % 300)))"   # 0 to 30 ms
        for file in multable.ini choices.txt; do
            old=$old_settings new=$new_settings
            [[ $file == choices.txt ]] && old=$old_choices new=$new_choices
            if [[ ! -f "$sys/$file" ]]; then
                state=missing
            elif [[ $(md5sum < "$sys/$file") == "$new" ]]; then
                state=new
            elif [[ "$(cat "$sys/$file"; printf x)" == "${old}x" ]]; then
                state=old
            else
                state=partial
            fi
            seen["$file $state"]=$(( ${seen["$file $state"]:-0} + 1 ))
            if [[ $state == missing || $state == partial ]]; then
                echo "run $run: $file is $state" >&2
                exit 1
            fi
        done
    done
    for key in "${!seen[@]}"; do echo "$key: ${seen[$key]}"; done | sort
    leftovers=$(ls -A "$sys" | grep -E "\.[A-Za-z0-9]{6}$" || true)
    echo "temporary files left: ${leftovers:-none}"
' _ "$work" "$runs" "$old_settings" "$old_choices"
echo "$runs kills during the quit: no file was ever partial or missing"
