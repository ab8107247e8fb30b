#!/bin/bash
# Checks the music and sound effects of the sound table (music/sounds.tsv)
# built into BUILD_DIR.
#
# Tunes: the town and battle loops restart a theme every loop-length seconds
# and cut it one second before, so a theme must be over by then, yet not end
# so early that the loop falls silent for long; a tune that is not looped
# must last as long as its row says. Each tune is measured twice:
#   - its own length, from the MIDI file (tempo map and end of track);
#   - how long it is heard, rendered with FluidSynth (reverb and chorus off,
#     so only the instruments' own release is left) after trimming the tail
#     that stays below -50 dBFS. This catches notes that hang on past the
#     end and files that render silent.
# Both must lie in the tune's range.
# Effects: 16-bit PCM WAV, shorter than 3 s, and not silent.
#
# Usage: check-sounds.sh BUILD_DIR [TABLE]
set -uo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 BUILD_DIR [TABLE]" >&2
    exit 2
fi
dir=$1
table=${2:-$(dirname "$0")/../../music/sounds.tsv}
soundfont=/usr/share/sounds/sf2/FluidR3_GM.sf2

for tool in fluidsynth sox soxi mftext; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool not found (Debian packages fluidsynth, sox, abcmidi)"
        exit 1
    fi
done
if [ ! -r "$soundfont" ]; then
    echo "FAIL: $soundfont not found (Debian package fluid-soundfont-gm)"
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# From the table: each tune's file with the shortest and longest it may last
# in seconds (a looped one: loop length - 4 to loop length - 1), and each
# effect's file.
if [ ! -r "$table" ]; then
    echo "FAIL: no sound table at $table"
    exit 1
fi
mapfile -t tunes < <(awk -F'\t' '
    /^#/ || NF == 0 || $4 != "tune" { next }
    $6 != "-" { print $3 "\t" ($6 - 4) "\t" ($6 - 1); next }
    { split($8, r, "-"); print $3 "\t" r[1] "\t" r[2] }' "$table")
mapfile -t effects < <(awk -F'\t' '!/^#/ && $4 == "effect" { print $3 }' "$table")
if [ ${#tunes[@]} -eq 0 ] || [ ${#effects[@]} -eq 0 ]; then
    echo "FAIL: $table names no tunes or no effects"
    exit 1
fi

# Seconds from the start of a MIDI file to its last end of track.
midi_length() {
    mftext "$1" | awk '
        /division=/ { for (i = 1; i <= NF; i++) if ($i ~ /^division=/) { split($i, a, "="); div = a[2] } }
        /^Time=/ { split($1, a, "="); t = a[2] + 0 }
        /Tempo, microseconds-per-MIDI-quarter-note=/ {
            split($0, a, "="); n++; at[n] = t; us[n] = a[3] + 0 }
        /end of track/ { if (t > end) end = t }
        END {
            s = 0; last = 0; cur = 500000
            for (i = 1; i <= n && at[i] < end; i++) { s += (at[i] - last) * cur / div / 1e6; last = at[i]; cur = us[i] }
            printf "%.2f\n", s + (end - last) * cur / div / 1e6
        }'
}

rms() { sox "$1" -n stat 2>&1 | awk '/RMS +amplitude/ { print $3 }'; }
within() { awk -v x="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(x >= lo && x <= hi) }'; }
below() { awk -v x="$1" -v lim="$2" 'BEGIN { exit !(x < lim) }'; }

for row in "${tunes[@]}"; do
    IFS=$'\t' read -r name lo hi <<<"$row"
    file="$dir/$name"
    if [ ! -f "$file" ]; then
        fail "$name: missing from $dir"
        continue
    fi
    own=$(midi_length "$file")
    if ! fluidsynth -ni -R 0 -C 0 -F "$work/render.wav" -r 22050 "$soundfont" "$file" >"$work/log" 2>&1 \
        || [ ! -s "$work/render.wav" ]; then
        fail "$name: FluidSynth could not render it: $(tail -n 3 "$work/log")"
        continue
    fi
    sox "$work/render.wav" "$work/heard.wav" reverse silence 1 0.05 -50d reverse
    heard=$(soxi -D "$work/heard.wav")
    level=$(rms "$work/render.wav")
    summary="file length ${own} s, heard ${heard} s, RMS ${level}; allowed ${lo}-${hi} s"
    ok=1
    within "$own" "$lo" "$hi" || { fail "$name: file length ${own} s outside ${lo}-${hi} s"; ok=0; }
    within "$heard" "$lo" "$hi" || { fail "$name: heard for ${heard} s, outside ${lo}-${hi} s"; ok=0; }
    below 0.003 "$level" || { fail "$name: renders almost silent (RMS ${level})"; ok=0; }
    [ $ok = 1 ] && echo "ok   $name: $summary"
done

for name in "${effects[@]}"; do
    file="$dir/$name"
    if [ ! -f "$file" ]; then
        fail "$name: missing from $dir"
        continue
    fi
    bits=$(soxi -b "$file") encoding=$(soxi -e "$file") length=$(soxi -D "$file") level=$(rms "$file")
    ok=1
    [ "$(soxi -t "$file")" = wav ] && [ "$bits" = 16 ] && [ "$encoding" = "Signed Integer PCM" ] \
        || { fail "$name: not 16-bit PCM WAV ($bits-bit $encoding)"; ok=0; }
    below "$length" 3 || { fail "$name: ${length} s long, must be under 3 s"; ok=0; }
    below 0.02 "$level" || { fail "$name: too quiet (RMS ${level}, needs above 0.02)"; ok=0; }
    [ $ok = 1 ] && echo "ok   $name: ${length} s, RMS ${level}"
done

if [ $failures -gt 0 ]; then
    echo "$failures sound check(s) failed"
    exit 1
fi
echo "all sounds pass"
