#!/usr/bin/env bash
# Fullscreen on a virtual X server, where a window manager (openbox) is what makes a window
# fullscreen: --fullscreen fills the screen with the game's area between black bars, F11 toggles,
# Esc leaves, and only the player's own toggle is remembered.
set -euo pipefail
game=$1
. "$(dirname "$0")/xvfb_window.sh"
command -v openbox >/dev/null || { echo "SKIP: openbox is not installed"; exit 77; }
inside_xvfb 1280x1024x24 "$@"
xvfb_scratch
openbox >/dev/null 2>&1 &
wm=$!
pid=""
trap 'kill $pid $wm 2>/dev/null || true; rm -rf "$work"' EXIT
# Openbox is up once it has claimed the screen.
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

env -u QT_QPA_PLATFORM "$game" --fullscreen 2>"$work/stderr" &
pid=$!
id=$(timeout 20 xdotool search --sync --name 'ヴェルミナーディア外伝' | head -n 1)
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1; }

expect_size 1280x1024
# 1280 / 521 is less than 1024 / 351: the area is 1280 wide, 862 high, with bars above and below.
# The title's first seconds are white.
sleep 0.5
[ "$(pixel 640 20)" = "#000000" ] || fail "no black bar above the area"
[ "$(pixel 640 1003)" = "#000000" ] || fail "no black bar below the area"
[ "$(pixel 640 512)" = "#FFFFFF" ] || fail "the area is not the white title: $(pixel 640 512)"
[ ! -e "$settings" ] || fail "--fullscreen was saved"

xdotool windowfocus --sync "$id"
xdotool key F11
expect_size 521x351
expect_saved fullscreen=false
xdotool key F11
expect_size 1280x1024
expect_saved fullscreen=true
xdotool key Escape
expect_size 521x351
kill -0 "$pid" || fail "the game has ended early"
echo "fullscreen ok"
