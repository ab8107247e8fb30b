#!/bin/bash
# The real game under xvfb-run with a PulseAudio null sink of its own as its sound server, heard
# through the sink's monitor:
#  1. the title: its gunshots are heard; the sound server is killed and started again meanwhile,
#     and the shots are heard again, with one line on standard error for the loss;
#  2. the town theme, reached by continuing a session recorded up to the hero's arrival: its RMS
#     over 25 s from its first note is the themes' level, -20 dBFS.
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

. "$(dirname "$0")/null_sink.sh"
work=$(mktemp -d)
null_sink_home "$work"
export XDG_CONFIG_HOME=$work/config
trap 'heard_cleanup "$work"' EXIT
stat() { sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -n stat 2>&1 | awk -v what="$2" '$0 ~ what {print $3}'; }
fail=0

echo "== the title's shots, and the sound server killed and started again"
null_sink_start "$work"
export XDG_STATE_HOME=$work/title
record "$work/before.raw"
# The shots sound from the title's fifth tick, 7.5 s after start, one each 1.5 s until 22.5 s.
startgame "$work" "$game"
sleep 10
stoprecord
kill "$(cat "$XDG_RUNTIME_DIR/pulse/pid")"
for _ in $(seq 50); do pactl info >/dev/null 2>&1 || break; sleep 0.1; done
sleep 2
null_sink_start "$work"
record "$work/after.raw"
sleep 9
stoprecord
stopgame
echo "game said:"; cat "$work/game.err"
before=$(stat "$work/before.raw" "RMS +amplitude")
after=$(stat "$work/after.raw" "RMS +amplitude")
echo "RMS before the server was killed $before, after it was back $after"
awk -v r="$before" 'BEGIN { exit !(r > 0.01) }' || { echo "FAIL: the title's gunshots were not heard"; fail=1; }
awk -v r="$after" 'BEGIN { exit !(r > 0.01) }' || { echo "FAIL: the gunshots were not heard once the server was back"; fail=1; }
lines=$(grep -c "sound server went away" "$work/game.err")
[ "$lines" = 1 ] || { echo "FAIL: the loss of the server was said $lines times, not once"; fail=1; }

echo "== the town theme"
# The record of a session up to hero 0's arrival in town: continued, the town theme plays.
export XDG_STATE_HOME=$work/town
mkdir -p "$XDG_STATE_HOME/verminadia"
printf 'tick Timer1 18\nclick Label3\ntick Timer1 11\nclick Label4\n' >"$XDG_STATE_HOME/verminadia/last-session.script"
record "$work/town.raw"
startgame "$work" "$game" --continue
# Measured from the theme's first note: a build under the sanitizers on a busy machine takes
# many seconds to open its window.
for _ in $(seq 60); do
    sleep 1
    awk -v p="$(stat "$work/town.raw" "Maximum amplitude")" 'BEGIN { exit !(p > 0.01) }' && break
done
sleep 26
stoprecord
stopgame
echo "game said:"; cat "$work/game.err"
sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/town.raw" "$work/town.wav" silence 1 0.05 1% trim 0 25
rms=$(sox "$work/town.wav" -n stats 2>&1 | awk '/RMS lev dB/ {print $4}')
peak=$(sox "$work/town.wav" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
echo "town theme: RMS $rms dBFS, peak $peak"
# The same 25 s of it through the mixer alone, offline: -20.0 dBFS.
awk -v r="$rms" 'BEGIN { exit !(r > -23 && r < -17) }' || { echo "FAIL: the town theme is not at -20 dBFS"; fail=1; }
[ "$fail" = 0 ] && echo "the shots were heard, and heard again after the server came back; the town theme is at its level"
exit $fail
