#!/usr/bin/env bash
# Fullscreen on a virtual X server, where a window manager (openbox) is what makes a window
# fullscreen: --fullscreen fills the screen with the game's area between black bars, F11 toggles,
# Esc leaves, and only the player's own toggle is remembered.
set -euo pipefail
game=$1
command -v openbox >/dev/null || { echo "SKIP: openbox is not installed"; exit 77; }
. "$(dirname "$0")/xvfb_window.sh"
xvfb_scratch 1280x1024x24
# Before the game: a window mapped while no window manager has the screen keeps its own size.
start_openbox
start_game --fullscreen
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1; }

expect_size 1280x1024
# 1280 / 521 is less than 1024 / 351: the area is 1280 wide, 862 high, with bars above and below.
# The title's first seconds are white; the resized window may take a moment to be painted.
drawn() { [ "$(pixel 640 20)" = "#000000" ] && [ "$(pixel 640 1003)" = "#000000" ] && [ "$(pixel 640 512)" = "#FFFFFF" ]; }
start=$SECONDS
until drawn; do
    [ $((SECONDS - start)) -lt 10 ] ||
        fail "not the white title between black bars: above $(pixel 640 20), below $(pixel 640 1003), the area $(pixel 640 512)"
    sleep 0.2
done
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
