#!/bin/bash
# Inside an X server, with the sound server of run.sh: the game's CPU while the title waits on
# スタート, once its shots and applause are over and the stream has rested; and how many
# streams the game keeps open at the server meanwhile.
#   usage: idle.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
cd "$build"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
export XDG_STATE_HOME=$HOME/state XDG_CONFIG_HOME=$HOME/config
./verminadia >/dev/null 2>"$HOME/idle.err" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
# The title reaches the prompt at 27 s; the applause ends, its reverb dies away, the stream rests.
sleep 40
# Nanoseconds on a CPU, summed over the game's threads: finer than the clock ticks of /proc/PID/stat.
cpu() { cat /proc/"$pid"/task/*/schedstat | awk '{n += $1} END {printf "%d", n}'; }
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
loading=$(ticks)
a=$(cpu)
sleep "$seconds"
kill -0 "$pid" 2>/dev/null || { echo "the game ended early:"; cat "$HOME/idle.err"; exit 1; }
b=$(cpu)
streams=$(pactl list short sink-inputs | wc -l)
awk -v a="$a" -v b="$b" -v s="$seconds" -v l="$loading" -v t="$(getconf CLK_TCK)" -v n="$streams" \
    'BEGIN{printf "the game, title waiting on the prompt: %.4f s CPU in %d s, %.3f %% of a core (%.2f s CPU in its first 40 s, with the loading and the shots); streams open at the server: %d\n", (b-a)/1e9, s, 100*(b-a)/1e9/s, l/t, n}'
