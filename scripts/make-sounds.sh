#!/usr/bin/env bash
# Synthesises every sound that ships with Numerillo and writes the sound-set
# lists that point at them:
#   data/sounds/*.wav|*.mp3   five sets x eight events
#   data/default.wav          the neutral fall-back "ding"
#   data/sys/SoundStr.txt     "Silence..." and the five set titles
#   data/sys/Sound1..5.txt    the eight entries of each set, event order
#
# Needs sox (with libsox-fmt-mp3) and lame. Reruns give the same files: sox
# runs with its fixed random numbers (-R) and nothing stamps a date.
#
# Pitches are semitones from middle C (0 = C4, 12 = C5, -12 = C3); a token
# "a+b+c" sounds a chord, "a/b" glides from a to b, "_" is a rest.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
sounds="$root/data/sounds"
sys="$root/data/sys"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

export SOX_OPTS="-R -q -V1"
rate=22050       # delivered rate
synth_rate=44100 # pluck only synthesises at 44.1 kHz or more
maxlen=1.40       # every sound stays below 1.5 s ...
maxlen_mp3=1.25   # ... MP3 adds its encoder delay and padding

mkdir -p "$sounds" "$sys"
rm -f "$sounds"/*.wav "$sounds"/*.mp3

hz() { awk -v s="$1" 'BEGIN { printf "%.3f", 261.6256 * 2 ^ (s / 12) }'; }
mul() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.4f", a * b }'; }

# One synthesised note: voice pitch length file. A pitch "a/b" glides.
note() {
    local voice=$1 pitch=$2 len=$3 file=$4
    local from=${pitch%%/*} to=${pitch##*/}
    local f g
    f=$(hz "$from")
    g=$(hz "$to")
    # sweep "f1:f2" for every partial k: k*f1:k*f2
    sw() { if [[ $from == "$to" ]]; then mul "$f" "$1"; else echo "$(mul "$f" "$1"):$(mul "$g" "$1")"; fi; }
    case $voice in
    bell) # struck bell: fundamental, octave and two inharmonic partials
        sox -r "$synth_rate" -c 4 -n "$file" synth "$len" sine "$(sw 1)" sine "$(sw 2)" sine "$(sw 2.76)" sine "$(sw 5.4)" \
            remix 1v0.62,2v0.22,3v0.11,4v0.05 fade l 0.003 "$len" "$len" ;;
    chime) # softer bell for the gentle events: no bright partials
        sox -r "$synth_rate" -c 2 -n "$file" synth "$len" sine "$(sw 1)" sine "$(sw 2)" \
            remix 1v0.8,2v0.2 fade h 0.01 "$len" "$len" ;;
    chip) # chiptune square, filtered so that it does not buzz
        sox -r "$synth_rate" -c 2 -n "$file" synth "$len" square "$(sw 1)" sine "$(sw 1)" \
            remix 1v0.5,2v0.5 lowpass 2800 fade t 0.004 "$len" 0.04 ;;
    chipsoft) # rounder square-ish tone for the "uh-oh" kind of events
        sox -r "$synth_rate" -c 2 -n "$file" synth "$len" triangle "$(sw 1)" square "$(sw 1)" \
            remix 1v0.8,2v0.2 lowpass 1800 fade h 0.01 "$len" 0.08 ;;
    marimba) # plucked bar: Karplus-Strong pluck over a sine with its 4th partial
        sox -r "$synth_rate" -c 3 -n "$file" synth "$len" pluck "$(sw 1)" sine "$(sw 1)" sine "$(sw 3.9)" \
            remix 1v0.45,2v0.45,3v0.1 lowpass 4500 fade l 0.002 "$len" "$len" ;;
    space) # slow-breathing sine pair, slightly detuned, with a soft octave
        sox -r "$synth_rate" -c 3 -n "$file" synth "$len" sine "$(sw 1)" sine "$(sw 1.006)" triangle "$(sw 2)" \
            remix 1v0.45,2v0.45,3v0.1 tremolo 7 25 fade h 0.05 "$len" "$(mul "$len" 0.5)" ;;
    wood) # woodblock: short bright knock with a click of noise
        sox -r "$synth_rate" -c 3 -n "$file" synth "$len" sine "$(sw 1)" sine "$(sw 2.6)" pinknoise \
            remix 1v0.65,2v0.2,3v0.15 highpass 300 fade l 0.001 "$len" "$len" ;;
    tom) # soft tom: pitch drops a little while it rings
        g=$(mul "$f" 0.8)
        sox -r "$synth_rate" -c 2 -n "$file" synth "$len" sine "$f:$g" triangle "$(mul "$f" 1.5):$(mul "$g" 1.5)" \
            remix 1v0.85,2v0.15 fade l 0.002 "$len" "$len" ;;
    *) echo "unknown voice $voice" >&2; exit 1 ;;
    esac
}

# Room sound added after the notes are mixed, per voice.
finish_effects() {
    case $1 in
    bell | chime) echo "pad 0 0.3 reverb 35 60 40" ;;
    chip | chipsoft) echo "pad 0 0.1 echo 0.8 0.5 90 0.2" ;;
    marimba) echo "pad 0 0.2 reverb 25 70 30" ;;
    space) echo "pad 0 0.4 reverb 70 40 90 100 20" ;;
    wood | tom) echo "pad 0 0.1 reverb 15 80 20" ;;
    esac
}

# render name voice step notelen peak-dB token...
# Each token starts one step after the previous one; notes may overlap.
render() {
    local name=$1 voice=$2 step=$3 len=$4 peak=$5
    shift 5
    local parts=() i=0 tok p n=0 file
    for tok in "$@"; do
        if [[ $tok != _ ]]; then
            IFS=+ read -ra chord <<<"$tok"
            for p in "${chord[@]}"; do
                n=$((n + 1))
                note "$voice" "$p" "$len" "$tmp/n$n.sox"
                sox "$tmp/n$n.sox" "$tmp/p$n.sox" pad "$(mul "$step" "$i")"
                parts+=("$tmp/p$n.sox")
            done
        fi
        i=$((i + 1))
    done
    if ((${#parts[@]} > 1)); then
        sox -m "${parts[@]}" "$tmp/mix.sox"
    else
        cp "${parts[0]}" "$tmp/mix.sox"
    fi
    # shellcheck disable=SC2046  # the effect list is meant to split into words
    sox "$tmp/mix.sox" "$tmp/room.sox" $(finish_effects "$voice")
    # drop the reverb's silent tail, keep under the length limit, no clicks
    # (fade needs a known length, so it runs in a second pass)
    local limit=$maxlen
    [[ $name == *.mp3 ]] && limit=$maxlen_mp3
    sox "$tmp/room.sox" "$tmp/cut.sox" reverse silence 1 0.01 -55d reverse trim 0 "$limit"
    sox "$tmp/cut.sox" "$tmp/done.sox" norm "$peak" fade q 0.004 -0 0.05
    file="$sounds/$name"
    case $name in
    *.wav) sox "$tmp/done.sox" -r "$rate" -c 1 -b 16 -e signed-integer "$file" ;;
    *.mp3) sox "$tmp/done.sox" -r "$rate" -c 1 -b 16 "$tmp/done.wav"
        lame --quiet --noreplaygain -m m -b 48 -q 2 "$tmp/done.wav" "$file" ;;
    esac
    rm -f "$tmp"/*.sox "$tmp"/*.wav
}

# The eight events of a set, in event order, as file-name suffixes.
events=(enter start right wrong late-right late-wrong time-up quit)

# ---- set 1: Classic, bells ------------------------------------------------
render classic-enter.wav      bell   0.14 0.9 -3   0 4 7 12 16
render classic-start.wav      bell   0.12 0.7 -3   7 7 19
render classic-right.wav      bell   0.09 0.8 -3   12 16 19+24
render classic-wrong.wav      chime  0.30 0.6 -4   4 0
render classic-late-right.wav bell   0.22 0.9 -5   7 12 16
render classic-late-wrong.wav chime  0.28 0.7 -5   7 4 0
render classic-time-up.wav    chime  0.32 0.4 -5   19 12 19 12
render classic-quit.wav       bell   0.16 0.9 -3   24 19 16 12 0

# ---- set 2: Arcade, chiptune squares (2 dB lower: squares sound louder) --
render arcade-enter.wav       chip     0.07 0.12 -5   0 4 7 12 16 19 24
render arcade-start.wav       chip     0.16 0.12 -5   12 _ 12 _ 24
render arcade-right.wav       chip     0.06 0.10 -5   12 16 19 24 28+31
render arcade-wrong.wav       chipsoft 0.24 0.26 -6   -1 -5/-8
render arcade-late-right.wav  chip     0.13 0.16 -7   7 12 16 19
render arcade-late-wrong.wav  chipsoft 0.20 0.22 -7   4 2 0 -3
render arcade-time-up.wav     chip     0.25 0.05 -7   19 12 19 12
render arcade-quit.wav        chip     0.08 0.13 -5   24 19 16 12 7 4 0

# ---- set 3: Marimba, plucked bars -----------------------------------------
render marimba-enter.wav      marimba 0.11 0.6 -3   0 4 7 12 16+19
render marimba-start.wav      marimba 0.13 0.5 -3   7 12+16
render marimba-right.wav      marimba 0.07 0.6 -3   12 16 19 24
render marimba-wrong.wav      marimba 0.26 0.7 -4   2 -3
render marimba-late-right.wav marimba 0.18 0.7 -5   4 7 12
render marimba-late-wrong.wav marimba 0.24 0.6 -5   7 5 2 -1
render marimba-time-up.wav    marimba 0.30 0.3 -5   12 7 12 7
render marimba-quit.wav       marimba 0.12 0.6 -3   19 16 12 7 0

# ---- set 4: Space, soft sweeps (MP3) --------------------------------------
render space-enter.mp3        space 0.18 0.55 -3   0/7 7/12 12/19
render space-start.mp3        space 0.20 0.45 -3   7/19
render space-right.mp3        space 0.10 0.50 -3   12/16 16/19 19/24
render space-wrong.mp3        space 0.30 0.45 -4   4/2 0/-3
render space-late-right.mp3   space 0.25 0.55 -5   7/12 12/16
render space-late-wrong.mp3   space 0.30 0.55 -5   7/4 4/0
render space-time-up.mp3      space 0.30 0.26 -5   19 12 19
render space-quit.mp3         space 0.18 0.55 -3   24/19 16/12 7/0

# ---- set 5: Drums, woodblocks and toms ------------------------------------
render drums-enter.wav        wood 0.09 0.12 -3   19 21 23 24 28 31
render drums-start.wav        tom  0.12 0.25 -3   -5 -5 7
render drums-right.wav        wood 0.07 0.14 -3   24 28 31 36
render drums-wrong.wav        tom  0.24 0.35 -4   -3 -8
render drums-late-right.wav   wood 0.14 0.16 -5   24 28 31
render drums-late-wrong.wav   tom  0.22 0.30 -5   2 -1 -5
render drums-time-up.wav      wood 0.30 0.08 -5   26 19 26 19
render drums-quit.wav         wood 0.10 0.14 -3   31 28 24 19 16 12

# ---- the neutral default sound --------------------------------------------
render default.wav chime 0.01 0.55 -6 21
mv "$sounds/default.wav" "$root/data/default.wav"

# ---- the sound-set lists (Windows-1252, CR LF) ------------------------------
titles=(Classic Arcade Marimba Space Drums)
sets=(classic:wav arcade:wav marimba:wav space:mp3 drums:wav)
{
    printf 'Silence...\r\n'
    printf '%s\r\n' "${titles[@]}"
} >"$sys/SoundStr.txt"
for n in 1 2 3 4 5; do
    set=${sets[n - 1]%%:*}
    ext=${sets[n - 1]##*:}
    for ev in "${events[@]}"; do
        printf 'appdir\\sounds\\%s-%s.%s\r\n' "$set" "$ev" "$ext"
    done >"$sys/Sound$n.txt"
done

# ---- check: length, level, not silent, not clipped ------------------------
bad=0
for f in "$sounds"/* "$root/data/default.wav"; do
    len=$(sox --i -D "$f")
    read -r peak rms < <(sox "$f" -n stats 2>&1 | awk '/^Pk lev dB/ { p = $4 } /^RMS lev dB/ { r = $4 } END { print p, r }')
    verdict=ok
    if awk -v l="$len" -v p="$peak" -v r="$rms" 'BEGIN { exit !(l >= 1.5 || p > -1 || p < -8 || r < -40) }'; then
        verdict=OUT-OF-RANGE
        bad=1
    fi
    printf '%-26s %5.2f s  peak %6s dB  rms %6s dB  %s\n' "${f##*/}" "$len" "$peak" "$rms" "$verdict"
done
echo "sounds written to $sounds ($(du -sh "$sounds" | cut -f1))"
exit "$bad"
