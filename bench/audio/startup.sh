#!/bin/bash
# Inside an X server: the time from launch until the window is on screen, and the resident memory
# 12 s later, for an empty Qt window and for the game: on the title (its sound files loaded, the
# shots playing) and in town (a session continued to the hero's arrival: the town theme playing).
# Medians of RUNS launches.
#   usage: startup.sh BUILD_DIR RUNS
set -euo pipefail
build=$1
runs=$2
cd "$build"
# xvfb-run may hand over before its server accepts clients.
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# Prints "milliseconds-to-window resident-MB" for one launch of the program. The display itself
# tells when the window is mapped; nothing polls beside the program.
launch() {
    local shown ms pid
    shown=$(./verminadia-bench-window "$@" 2>"$build/startup.err") ||
        { echo "$* did not start:" >&2; cat "$build/startup.err" >&2; exit 1; }
    read -r ms pid <<<"$shown"
    sleep 12
    local rss; rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    # Gone, or a zombie its new parent has yet to reap.
    while [ -r "/proc/$pid/stat" ] && [ "$(sed 's/.*) //' "/proc/$pid/stat" | cut -c1)" != Z ]; do sleep 0.05; done
    echo "$ms $(( rss / 1024 ))"
}

# The three take turns, so that a machine growing busier or quieter weighs on each alike.
# The record of a session up to hero 0's arrival in town (as tests/audio/real_path_test.sh) is
# written again for each launch: a session continued is recorded on.
town=$(mktemp -d)
mkdir -p "$town/verminadia"
: >empty.txt; : >game.txt; : >town.txt
for _ in $(seq "$runs"); do
    launch ./verminadia-bench-startup empty --stay >>empty.txt
    launch ./verminadia >>game.txt
    printf 'tick Timer1 18\nclick Label3\ntick Timer1 11\nclick Label4\n' >"$town/verminadia/last-session.script"
    launch env XDG_STATE_HOME="$town" ./verminadia --continue >>town.txt
done
rm -rf "$town"
e_ms=$(cut -d' ' -f1 empty.txt | median); e_mb=$(cut -d' ' -f2 empty.txt | median)
g_ms=$(cut -d' ' -f1 game.txt | median); g_mb=$(cut -d' ' -f2 game.txt | median)
t_mb=$(cut -d' ' -f2 town.txt | median)
rm -f empty.txt game.txt town.txt startup.err
echo "launch to window on screen (median of $runs): empty ${e_ms} ms, game ${g_ms} ms, ratio $(awk -v a="$g_ms" -v b="$e_ms" 'BEGIN{printf "%.2f", a/b}') (target <= 1.06)"
echo "resident memory: empty ${e_mb} MB; the game on the title ${g_mb} MB, +$((g_mb - e_mb)) MB; in town with its theme ${t_mb} MB, +$((t_mb - e_mb)) MB (target <= +35 MB)"
