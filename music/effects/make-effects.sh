#!/bin/bash
# Makes one of the game's sound effects (16-bit mono WAV, 22050 Hz) from its
# recipe, as music/sounds.tsv names it: slash, chime, cry, or one of the
# shouts below. Everything is synthesised here: sox for the slash and the
# chime, espeak-ng's Japanese voice for the cry and the shouted skill names.
# Runs the same every time: sox in repeatable mode (-R) so its noise and
# dither come from a fixed seed, and espeak-ng has no randomness of its own.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 RECIPE OUTPUT.wav" >&2
    exit 2
fi
recipe=$1 out=$2
mkdir -p "$(dirname "$out")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate=22050
# Common output format: what the game's WAV reader expects.
fmt=(-r "$rate" -c 1 -b 16 -e signed-integer)
sx() { sox -R -V1 "$@"; }

# ジュバ: a sword slash. Narrow noise moved from high to low by ring
# modulation with a falling sine, so it sweeps like a blade through air,
# with a sharp start and a quick tail.
slash() {
    sx -n "${fmt[@]}" "$work/slash.wav" \
        synth 0.32 whitenoise lowpass 900 \
        synth 0.32 sine amod 6000:700 \
        highpass 400 \
        fade q 0.008 0.32 0.22 \
        pad 0 0.2 reverb 15 gain -n -1
    sx "$work/slash.wav" "${fmt[@]}" "$out" trim 0 0.5
}

# ピロリロリン: a rising healing chime. Five bell-like notes climbing a
# major chord (C6 G6 E6 C7, then a long G7), overlapped and given some room.
chime() {
    local freqs=(1046.5 1568.0 1318.5 2093.0 3136.0)
    local lens=(0.35 0.35 0.35 0.35 0.9)
    local parts=() i=0
    for f in "${freqs[@]}"; do
        local start len=${lens[$i]}
        start=$(awk -v i="$i" 'BEGIN { printf "%.3f", i * 0.09 }')
        sx -n "${fmt[@]}" "$work/chime$i.wav" \
            synth "$len" sine "$f" synth "$len" sine mix "$(awk -v f="$f" 'BEGIN { print f * 2.01 }')" \
            fade l 0.004 "$len" "$(awk -v l="$len" 'BEGIN { print l - 0.01 }')" \
            pad "$start" gain -6
        parts+=("$work/chime$i.wav")
        i=$((i + 1))
    done
    sx -m "${parts[@]}" "$work/chime.wav" pad 0 0.4 reverb 40 50 80
    sx "$work/chime.wav" "${fmt[@]}" "$out" trim 0 1.6 fade q 0 1.6 0.3 gain -n -2
}

# Speaks TEXT with the Japanese voice into a working file.
say() { # name text pitch(0-99) speed(words/min)
    espeak-ng -v ja -a 180 -p "$3" -s "$4" -w "$work/$1.raw.wav" "$2"
}

# うあー: the opponent's attack lands on the hero. A low, strained "ua-",
# bent downwards at the end, with a shake in the voice.
cry() {
    say cry "うああー" 30 120
    sx "$work/cry.raw.wav" "${fmt[@]}" "$out" \
        pitch -200 bend 0.35,-400,0.4 tremolo 9 40 \
        overdrive 6 highpass 120 reverb 20 gain -n -1
}

# The skill names, shouted: quicker, higher and pushed hard, with a little
# arena echo.
shout() { # output text pitch speed cents
    say shout "$2" "$3" "$4"
    sx "$work/shout.raw.wav" "${fmt[@]}" "$1" \
        pitch "$5" compand 0.01,0.2 -60,-60,-30,-12,0,-3 -6 \
        overdrive 4 highpass 150 reverb 25 50 60 gain -n -1
}
# Each shout: what the voice says, its pitch (0-99), speed (words a minute) and
# the shift in cents. The long "ン" is written as repeated ン for the voice,
# which does not lengthen a syllabic n with the prolonged-sound mark.
declare -A shouts=(
    [toruba-thunder]="トルバサンダー 70 175 150"
    [muromachi-bakufa]="ムロマチバクファー 45 170 -100"
    [isono]="イソノー 80 150 200"
    [nnn]="ンンンン 40 110 -150"
    [nnriro]="んんんりろ 60 150 100"
)

case $recipe in
    slash | chime | cry) "$recipe" ;;
    *)
        if [ -z "${shouts[$recipe]:-}" ]; then
            echo "$0: no effect is made by the recipe '$recipe'" >&2
            exit 2
        fi
        read -r text pitch speed cents <<<"${shouts[$recipe]}"
        shout "$out" "$text" "$pitch" "$speed" "$cents"
        ;;
esac
