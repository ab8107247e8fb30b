#!/usr/bin/env bash
# Start-up and idle figures of the real window, against references measured in the same run.
#  1. start-up to the first painted frame: the game's window vs an empty 521 x 351 Qt window
#  2. CPU while the title waits on スタート for 30 s
set -euo pipefail
build=${1:-build}
runs=${RUNS:-15}
idle=${IDLE_SECONDS:-30}

if [ "${INSIDE_XVFB:-}" != 1 ]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$@"
fi

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for mode in empty game; do
    for _ in $(seq "$runs"); do "$build/verminadia-bench-startup" "$mode"; done | median > "/tmp/verminadia-bench-$mode"
done
empty=$(cat /tmp/verminadia-bench-empty)
game=$(cat /tmp/verminadia-bench-game)
echo "start-up to first frame (median of $runs): empty window ${empty} ms, game ${game} ms, ratio $(awk -v a="$game" -v b="$empty" 'BEGIN{printf "%.2f", a/b}') (target <= 1.5)"

# Idle: let the title reach the prompt (18 ticks of 1.5 s), then count CPU time for $idle s.
# In the build folder, as make run starts it, so that its sound files are there.
(cd "$build" && exec ./verminadia) &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
sleep 28
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(cpu)
sleep "$idle"
after=$(cpu)
ticks=$(getconf CLK_TCK)
awk -v a="$before" -v b="$after" -v t="$ticks" -v s="$idle" \
    'BEGIN{printf "CPU while the title waits on the prompt for %d s: %.3f s, %.2f %% of one core (target < 1 %%)\n", s, (b-a)/t, 100*(b-a)/t/s}'
rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
echo "resident memory while waiting: $((rss / 1024)) MB"
