#!/usr/bin/env bash
# Starts the real game on a virtual X server and checks what the desktop sees of its window:
# the caption, the client size and the position on the screen. VERMINADIA_TITLE is the caption
# expected when the game is started in another language.
set -euo pipefail
game=$1
if [ "${2:-}" != "--inside" ]; then
    exec xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$game" --inside
fi

work=$(mktemp -d)
cd "$work"
env -u QT_QPA_PLATFORM "$game" 2>"$work/stderr" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

title=${VERMINADIA_TITLE:-ヴェルミナーディア外伝}
id=$(timeout 20 xdotool search --sync --name "$title" | head -n 1)
geometry=$(xdotool getwindowgeometry "$id")
echo "$geometry"
grep -q 'Geometry: 521x351' <<<"$geometry" || { echo "wrong client size"; exit 1; }
grep -q 'Position: 276,201' <<<"$geometry" || { echo "wrong position"; exit 1; }
name=$(xdotool getwindowname "$id")
[ "$name" = "$title" ] || { echo "wrong caption: $name"; exit 1; }
kill -0 "$pid" || { echo "the game has ended early"; cat "$work/stderr"; exit 1; }
echo "window ok"
