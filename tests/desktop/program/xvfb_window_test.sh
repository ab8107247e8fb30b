#!/usr/bin/env bash
# Starts the real game on a virtual X server and checks what the desktop sees of its window:
# the caption, the client size and the position on the screen. VERMINADIA_TITLE is the caption
# expected when the game is started in another language.
set -euo pipefail
game=$1
. "$(dirname "$0")/xvfb_window.sh"
xvfb_scratch 1024x768x24
start_game
# The size and the place may arrive apart, and after the window is found.
expect_size 521x351
expect_position 276,201
geometry
name=$(xdotool getwindowname "$id")
[ "$name" = "$title" ] || fail "wrong caption: $name"
kill -0 "$pid" || fail "the game has ended early"
echo "window ok"
