#!/bin/bash
# Starts the real game under xvfb-run with a PulseAudio null sink as its sound server, lets the
# title reach its gunshots, records the sink's monitor and checks that it is not silent.
# Exits 77 (skipped) only when PulseAudio itself cannot start here.
set -u
game=$1
for tool in pulseaudio parec pactl xvfb-run sox; do
    command -v $tool >/dev/null || { echo "skip: $tool is not installed"; exit 77; }
done
# Run the whole check inside the virtual X server, so that the game is this script's own child
# and is stopped with it (xvfb-run would not pass a kill on to it).
if [ "${VERMINADIA_INSIDE_XVFB:-}" != 1 ]; then
    VERMINADIA_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/xdg HOME=$work
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset PULSE_SERVER
cleanup() {
    [ -n "${rec:-}" ] && kill "$rec" 2>/dev/null
    [ -n "${gamepid:-}" ] && kill -- -"$gamepid" 2>/dev/null
    pulseaudio --kill 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

if ! pulseaudio -D --exit-idle-time=-1 -n --disallow-exit --log-target=stderr \
        --load="module-null-sink sink_name=test" --load=module-native-protocol-unix 2>"$work/pa.log"; then
    echo "skip: PulseAudio cannot start here"; cat "$work/pa.log"; exit 77
fi
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { echo "skip: PulseAudio did not answer"; exit 77; }
pactl set-default-sink test

parec -d test.monitor --raw --format=s16le --rate=44100 --channels=2 >"$work/rec.raw" &
rec=$!
# The shots sound from the title's fifth tick, 7.5 s after start, one each 1.5 s.
# In a process group of its own: xvfb-run leaves the game and Xvfb running when only it is killed.
setsid env -u QT_QPA_PLATFORM "$game" >"$work/game.out" 2>"$work/game.err" &
gamepid=$!
sleep 13
kill "$rec"; wait "$rec" 2>/dev/null; rec=
kill -- -"$gamepid"; wait "$gamepid" 2>/dev/null; gamepid=

echo "game said:"; cat "$work/game.err"
bytes=$(stat -c %s "$work/rec.raw")
echo "recorded $bytes bytes"
[ "$bytes" -gt 100000 ] || { echo "FAIL: nothing was recorded"; exit 1; }
rms=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/rec.raw" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
peak=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/rec.raw" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
echo "RMS $rms, peak $peak"
awk -v r="$rms" 'BEGIN { exit !(r > 0.001) }' || { echo "FAIL: the title's gunshots were not heard"; exit 1; }
echo "the title's gunshots were heard"
