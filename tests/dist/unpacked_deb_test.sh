#!/bin/bash
# The .deb unpacked into a scratch folder, without installing it, and its game started from yet
# another working directory on a virtual X server with a PulseAudio null sink: the window
# bears the menu entry's Japanese name, every sound file is found beside the unpacked game, and
# the title's gunshots are heard (which also proves the loader got past every file). The music is
# the tunes rendered at build time: the package names no SoundFont, the game links no
# synthesiser, and it opens no SoundFont and no MIDI file.
# Exits 77 (skipped) only when a tool is missing or PulseAudio cannot start here.
set -u
out=$1
configured=$2  # the data folder the build was configured for
for tool in dpkg-deb Xvfb xdotool pulseaudio parec pactl sox strace; do
    command -v $tool >/dev/null || { echo "skip: $tool is not installed"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }
. "$(dirname "$0")/../support/processes.sh" 270

deb=$(ls "$out"/verminadia_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no package in $out"
. "$(dirname "$0")/../audio/null_sink.sh"
work=$(mktemp -d)
null_sink_home "$work"
mkdir -p "$work/elsewhere"
on_exit 'heard_cleanup "$work"'
start_xvfb 1024x768x24

dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb -x"
game=$work/root/usr/games/verminadia
[ -x "$game" ] || fail "no usr/games/verminadia in the package"
entry=$(ls "$work"/root/usr/share/applications/*.desktop | head -n 1)
name=$(sed -n 's/^Name\[ja\]=//p' "$entry")

dpkg-deb -f "$deb" Depends | grep -qi soundfont && fail "the package depends on a SoundFont"
ldd "$game" | grep -i fluidsynth && fail "the game links FluidSynth"
traced=(strace -f -qq -e trace=open,openat -o "$work/opened")

null_sink_start "$work"

cd "$work/elsewhere"
startgame "$work" "${traced[@]}" "$game"
# Traced, and maybe under a loaded machine, the game takes seconds to show its window.
start=$SECONDS
until id=$(xdotool search --name "$name" 2>/dev/null | head -n 1) && [ -n "$id" ]; do
    kill -0 "$gamepid" 2>/dev/null || { cat "$work/game.err"; fail "the game ended before its window appeared"; }
    [ $((SECONDS - start)) -lt 60 ] || { cat "$work/game.err"; fail "waited 60 s for a window named '$name' (the menu entry's Name[ja])"; }
    sleep 0.2
done
# The title's shots sound from 7.5 s after it shows, one each 1.5 s: wait for the first, then
# hear one more.
record "$work/rec.raw"
start=$SECONDS
until awk -v p="$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/rec.raw" -n stat 2>&1 |
                  awk '/Maximum amplitude/ {print $3}')" 'BEGIN { exit !(p > 0.01) }'; do
    [ $((SECONDS - start)) -lt 30 ] || break
    sleep 0.5
done
sleep 2
stoprecord
kill -0 "$gamepid" 2>/dev/null || { cat "$work/game.err"; fail "the game ended early"; }
stopgame

echo "the unpacked game said:"; cat "$work/game.err"
[ -f "$configured/gun.ogg" ] &&
    echo "note: $configured holds the sound files too; this run cannot tell them from the unpacked ones"
grep -q 'sound file .* not found\|cannot play sound file' "$work/game.err" && fail "a sound file was not found or not played"
grep -q 'gun\.ogg"' "$work/opened" || fail "the trace saw no sound file opened: it cannot tell"
grep -E '\.(sf2|sf3|mid)"' "$work/opened" && fail "the game opened a SoundFont or a MIDI file"
echo "the game opened no SoundFont and no MIDI file"
rms=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/rec.raw" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
echo "recorded RMS ${rms:-none}"
awk -v r="${rms:-0}" 'BEGIN { exit !(r > 0.001) }' || fail "the title's gunshots were not heard"
echo "the unpacked game found every sound file"
