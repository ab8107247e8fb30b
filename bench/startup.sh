#!/usr/bin/env bash
# Start-up and idle figures of the real window, against references measured in the same run.
#  1. start-up to the first painted frame: the game's window vs an empty 521 x 351 Qt window, at
#     the game's own size, at twice its size and fullscreen (under a window manager, openbox,
#     which is what makes a window fullscreen on X11)
#  2. CPU while the title waits on スタート for 30 s, at 1x and at 2x
set -euo pipefail
build=${1:-build}
runs=${RUNS:-15}
idle=${IDLE_SECONDS:-30}

if [ "${INSIDE_XVFB:-}" != 1 ]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s '-screen 0 1600x1000x24' "$0" "$@"
fi
export DBUS_SESSION_BUS_ADDRESS=disabled:
# The game's settings must not choose the view behind the benchmark's back.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", a/b}'; }
times=$(mktemp -d)
pid=""
wm=""
trap 'kill $pid $wm 2>/dev/null || true; rm -rf "$XDG_CONFIG_HOME" "$times"' EXIT
# Each run starts every given window in turn, so that a passing load on the machine touches them
# alike; then the median of each.
measure() {
    rm -f "$times"/*
    for _ in $(seq "$runs"); do
        for mode in "$@"; do
            # shellcheck disable=SC2086 # a mode is its words
            "$build/verminadia-bench-startup" $mode >>"$times/${mode// /_}"
        done
    done
}
ms() { median <"$times/${1// /_}"; }

measure "empty" "game" "empty --scale 2" "game --scale 2"
empty=$(ms empty)
game=$(ms game)
echo "start-up to first frame (median of $runs): empty window ${empty} ms, game ${game} ms, ratio $(ratio "$game" "$empty") (target <= 1.5)"
echo "at 2x (1042 x 702): game $(ms "game --scale 2") ms, ratio $(ratio "$(ms "game --scale 2")" "$empty") to the empty 521 x 351 window (target <= 1.5); an empty 1042 x 702 window $(ms "empty --scale 2") ms"

if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 1
    measure "empty" "empty --fullscreen" "game --fullscreen"
    echo "fullscreen (1600 x 1000, under openbox): game $(ms "game --fullscreen") ms, ratio $(ratio "$(ms "game --fullscreen")" "$(ms empty)") to the empty 521 x 351 window under openbox, $(ms empty) ms (target <= 1.5); an empty fullscreen window $(ms "empty --fullscreen") ms"
    kill "$wm"
    wm=""
else
    echo "fullscreen: skipped (openbox is not installed)"
fi

# Idle: let the title reach the prompt (18 ticks of 1.5 s), then count CPU time for $idle s.
# In the build folder, as make run starts it, so that its sound files are there.
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
for scale in 1 2; do
    (cd "$build" && exec ./verminadia --scale "$scale") &
    pid=$!
    sleep 28
    before=$(cpu)
    sleep "$idle"
    after=$(cpu)
    ticks=$(getconf CLK_TCK)
    awk -v a="$before" -v b="$after" -v t="$ticks" -v s="$idle" -v n="$scale" \
        'BEGIN{printf "CPU at %dx while the title waits on the prompt for %d s: %.3f s, %.2f %% of one core (target < 1 %%)\n", n, s, (b-a)/t, 100*(b-a)/t/s}'
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    echo "resident memory at ${scale}x while waiting: $((rss / 1024)) MB"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
