#!/usr/bin/env bash
# The session record with the real program on a virtual X server: a continued session shows
# where the last one stood and takes clicks, a killed game leaves a record the driver replays,
# --replay shows a record, and a bad record is refused before any window.
set -euo pipefail
game=$1
driver=$2
if [ "${3:-}" != "--inside" ]; then
    exec xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$game" "$driver" --inside
fi

work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT
export XDG_STATE_HOME=$work/state XDG_CONFIG_HOME=$work/config DBUS_SESSION_BUS_ADDRESS=disabled:
record=$XDG_STATE_HOME/verminadia/last-session.script
mkdir -p "$(dirname "$record")"
cd "$work"

# A bad record: one line naming the line, status 2, no window needed.
printf 'tick Timer1 2\nclick Label99\n' >bad.script
set +e
out=$(env -u DISPLAY "$game" --replay bad.script 2>&1 >/dev/null)
status=$?
set -e
echo "bad record: status $status: $out"
[ "$status" -eq 2 ] && grep -q 'line 2' <<<"$out" || { echo "a bad record must be refused with its line"; exit 1; }

# The last session stood at the hero choice; continue it and choose トルバさん with the mouse.
printf '# verminadia session record\ntick Timer1 18\nclick Label3\ntick Timer1 11\n' >"$record"
env -u QT_QPA_PLATFORM "$game" --continue 2>"$work/stderr" &
pid=$!
id=$(timeout 20 xdotool search --sync --name 'ヴェルミナーディア外伝' | head -n 1)
sleep 1
xdotool mousemove --window "$id" 230 142 click 1
sleep 1
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
pid=""
cat "$work/stderr"

# Killed, the game left a record that replays to the town with トルバさん.
tail -n 3 "$record"
hero=$(printf 'print HeroName\nprint Panel2\n' | cat "$record" - | "$driver")
echo "$hero"
grep -q '"トルバさん"' <<<"$hero" || { echo "the continued session's click was not recorded"; exit 1; }
grep -q '"showing":true' <<<"$hero" || { echo "the town bar should be showing"; exit 1; }

# Watching the record: a window that shows it and ignores the mouse.
env -u QT_QPA_PLATFORM "$game" --replay "$record" --speed 20 2>"$work/stderr" &
pid=$!
timeout 20 xdotool search --sync --name 'ヴェルミナーディア外伝' >/dev/null
sleep 2
kill -0 "$pid" || { echo "the replay ended early"; cat "$work/stderr"; exit 1; }
echo "session ok"
