#!/usr/bin/env bash
# The session record with the real program on a virtual X server: a continued session shows
# where the last one stood and takes clicks, a killed game leaves a record the driver replays,
# --replay shows a record, and a bad record is refused before any window.
set -euo pipefail
game=$1
driver=$2
. "$(dirname "$0")/xvfb_window.sh"
xvfb_scratch 1024x768x24
export XDG_STATE_HOME=$work/state
record=$XDG_STATE_HOME/verminadia/last-session.script
mkdir -p "$(dirname "$record")"

# A bad record: one line naming the line, status 2, no window needed.
printf 'tick Timer1 2\nclick Label99\n' >bad.script
set +e
out=$(env -u DISPLAY "$game" --replay bad.script 2>&1 >/dev/null)
status=$?
set -e
echo "bad record: status $status: $out"
[ "$status" -eq 2 ] && grep -q 'line 2' <<<"$out" || fail "a bad record must be refused with its line"

# The last session stood at the hero choice; continue it and choose トルバさん with the mouse.
printf '# verminadia session record\ntick Timer1 18\nclick Label3\ntick Timer1 11\n' >"$record"
start_game --continue
wait_for 60 "the window to be shown" xdotool search --onlyvisible --name "$title"
# The first frame is the empty window, its widgets come right after: a click before them is
# lost, and clicked again; one that lands takes the player to town, and is recorded at once.
clicked() { [ "$(grep -c '^click' "$record")" -ge 2 ]; }
start=$SECONDS
until clicked; do
    [ $((SECONDS - start)) -lt 60 ] || fail "waited 60 s for a click on トルバさん to be recorded"
    xdotool mousemove --window "$id" 230 142 click 1
    for _ in $(seq 15); do clicked && break; sleep 0.2; done
done
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
pid=""
cat "$work/stderr"

# Killed, the game left a record that replays to the town with トルバさん.
tail -n 3 "$record"
hero=$(printf 'print HeroName\nprint Panel2\n' | cat "$record" - | "$driver")
echo "$hero"
grep -q '"トルバさん"' <<<"$hero" || fail "the continued session's click was not recorded"
grep -q '"showing":true' <<<"$hero" || fail "the town bar should be showing"

# Watching the record: a window that shows it and ignores the mouse, and keeps running.
start_game --replay "$record" --speed 20
wait_for 60 "the replay's window to be shown" xdotool search --onlyvisible --name "$title"
sleep 2
kill -0 "$pid" || fail "the replay ended early"
echo "session ok"
