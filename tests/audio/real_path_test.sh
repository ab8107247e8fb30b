#!/bin/bash
# The real game on a virtual X server with a PulseAudio null sink of its own as its sound server, heard
# through the sink's monitor:
#  1. the title: its gunshots are heard; the sound server is killed and started again meanwhile,
#     and the shots are heard again, with one line on standard error for the loss;
#  2. the town theme, reached by continuing a session recorded up to the hero's arrival: its RMS
#     over 25 s from its first note is the themes' level, -20 dBFS.
# Exits 77 (skipped) only when PulseAudio itself cannot start here.
set -u
game=$1
for tool in pulseaudio parec pactl Xvfb xdotool sox; do
    command -v $tool >/dev/null || { echo "skip: $tool is not installed"; exit 77; }
done
. "$(dirname "$0")/../support/processes.sh" 420
# The game in Japanese, whatever the tester's locale: its window is found by its Japanese title,
# which the X tools read only under a UTF-8 locale.
export LANGUAGE=ja LC_ALL=C.UTF-8
. "$(dirname "$0")/null_sink.sh"
work=$(mktemp -d)
null_sink_home "$work"
export XDG_CONFIG_HOME=$work/config
on_exit 'heard_cleanup "$work"'
start_xvfb 1024x768x24
stat() { sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -n stat 2>&1 | awk -v what="$2" '$0 ~ what {print $3}'; }
# Waits up to LIMIT seconds for the recording in FILE to hold a sound, then records SPAN seconds
# more: a sanitizer build on a busy machine is seconds late with its window and its sounds.
hear() {
    local file=$1 limit=$2 span=$3 start=$SECONDS
    until awk -v p="$(stat "$file" "Maximum amplitude")" 'BEGIN { exit !(p > 0.01) }'; do
        [ $((SECONDS - start)) -lt "$limit" ] || { echo "nothing heard in $limit s"; return 0; }
        sleep 0.5
    done
    sleep "$span"
}
# What was heard from the first sound on: its RMS.
rms_heard() {
    sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -t raw - silence 1 0.01 1% 2>/dev/null |
        sox -t raw -r 44100 -e signed -b 16 -c 2 - -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}'
}
fail=0

echo "== the title's shots, and the sound server killed and started again"
null_sink_start "$work"
export XDG_STATE_HOME=$work/title
startgame "$work" "$game"
wait_for 60 "the game's window" xdotool search --name 'ヴェルミナーディア外伝'
# The shots sound from the title's fifth tick, 7.5 s after it shows, one each 1.5 s until 22.5 s.
record "$work/before.raw"
hear "$work/before.raw" 30 3
stoprecord
null_sink_stop
wait_for 20 "the game to say the sound server went away" grep -q "sound server went away" "$work/game.err"
null_sink_start "$work"
record "$work/after.raw"
hear "$work/after.raw" 20 3
stoprecord
stopgame
echo "game said:"; cat "$work/game.err"
before=$(rms_heard "$work/before.raw")
after=$(rms_heard "$work/after.raw")
echo "RMS before the server was killed $before, after it was back $after"
awk -v r="${before:-0}" 'BEGIN { exit !(r > 0.01) }' || { echo "FAIL: the title's gunshots were not heard"; fail=1; }
awk -v r="${after:-0}" 'BEGIN { exit !(r > 0.01) }' || { echo "FAIL: the gunshots were not heard once the server was back"; fail=1; }
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
hear "$work/town.raw" 120 26
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
