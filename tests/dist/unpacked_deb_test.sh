#!/bin/bash
# The .deb unpacked into a scratch folder, without installing it, and its game started from yet
# another working directory under a virtual X server with a PulseAudio null sink: the window
# bears the menu entry's Japanese name, every sound file is found beside the unpacked game, and
# the title's gunshots are heard (which also proves the loader got past every file). The music is
# the tunes rendered at build time: the package names no SoundFont, the game links no
# synthesiser, and (where strace is installed) it opens no SoundFont and no MIDI file.
# Exits 77 (skipped) only when a tool is missing or PulseAudio cannot start here.
set -u
out=$1
configured=$2  # the data folder the build was configured for
for tool in dpkg-deb xvfb-run xdotool pulseaudio parec pactl sox; do
    command -v $tool >/dev/null || { echo "skip: $tool is not installed"; exit 77; }
done
# The whole check runs inside the virtual X server, so that the game is this script's own child.
if [ "${VERMINADIA_INSIDE_XVFB:-}" != 1 ]; then
    VERMINADIA_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
fail() { echo "FAIL: $*"; exit 1; }

deb=$(ls "$out"/verminadia_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no package in $out"
. "$(dirname "$0")/../audio/null_sink.sh"
work=$(mktemp -d)
null_sink_home "$work"
mkdir -p "$work/elsewhere"
trap 'heard_cleanup "$work"' EXIT

dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb -x"
game=$work/root/usr/games/verminadia
[ -x "$game" ] || fail "no usr/games/verminadia in the package"
entry=$(ls "$work"/root/usr/share/applications/*.desktop | head -n 1)
name=$(sed -n 's/^Name\[ja\]=//p' "$entry")

dpkg-deb -f "$deb" Depends | grep -qi soundfont && fail "the package depends on a SoundFont"
ldd "$game" | grep -i fluidsynth && fail "the game links FluidSynth"
traced=()
command -v strace >/dev/null && traced=(strace -f -qq -e trace=open,openat -o "$work/opened")

null_sink_start "$work"

record "$work/rec.raw"
cd "$work/elsewhere"
startgame "$work" "${traced[@]}" "$game"
id=$(timeout 20 xdotool search --sync --name "$name" | head -n 1)
[ -n "$id" ] || { cat "$work/game.err"; fail "no window named '$name' (the menu entry's Name[ja])"; }
# The title's shots sound from 7.5 s after the start, one each 1.5 s.
sleep 10
stoprecord
kill -0 "$gamepid" 2>/dev/null || { cat "$work/game.err"; fail "the game ended early"; }
stopgame

echo "the unpacked game said:"; cat "$work/game.err"
[ -f "$configured/gun.ogg" ] &&
    echo "note: $configured holds the sound files too; this run cannot tell them from the unpacked ones"
grep -q 'sound file .* not found\|cannot play sound file' "$work/game.err" && fail "a sound file was not found or not played"
if [ -f "$work/opened" ]; then
    grep -q 'gun\.ogg"' "$work/opened" || fail "the trace saw no rendered tune opened: it cannot tell"
    grep -E '\.(sf2|sf3|mid)"' "$work/opened" && fail "the game opened a SoundFont or a MIDI file"
    echo "the game opened no SoundFont and no MIDI file"
fi
rms=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/rec.raw" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
echo "recorded RMS ${rms:-none}"
awk -v r="${rms:-0}" 'BEGIN { exit !(r > 0.001) }' || fail "the title's gunshots were not heard"
echo "the unpacked game found every sound file"
