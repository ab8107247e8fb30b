#!/usr/bin/env bash
# The real program on a virtual X server at twice its size: the desktop sees a 1042 × 702 client
# area, the keyboard alone takes the player from the title to the town, the scale chosen with the
# keys is remembered in the user's config folder (a temporary one here) for the next run, and a
# damaged setting or a bad --scale is said in one line.
set -euo pipefail
game=$1
. "$(dirname "$0")/xvfb_window.sh"
xvfb_scratch 1600x1000x24
on_exit stop_game
stop() { stop_game; }

start() {
    start_game "$@"
    # Without a window manager the keys go where the pointer is, unless the window takes the focus.
    xdotool windowfocus --sync "$id"
}
# The colour of one pixel of the window, as #RRGGBB.
pixel() {
    local x y
    x=$(geometry | sed -n 's/.*Position: \([0-9]*\),.*/\1/p')
    y=$(geometry | sed -n 's/.*Position: [0-9]*,\([0-9]*\).*/\1/p')
    import -window root -crop "1x1+$((x + $1))+$((y + $2))" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1
}

# --scale 2: twice the client area, at the designed place.
start --scale 2
expect_size 1042x702
expect_position 276,201

# The keyboard alone: Return at the title until スタート is there, Return at the hero choice.
# The town bar's grey at design (240, 5) is black on the title and the hero choice.
town=""
for _ in $(seq 80); do
    if [ "$(pixel 480 10)" = "#D4D0C8" ]; then
        town=yes
        break
    fi
    xdotool key Return
    sleep 1
done
[ -n "$town" ] || fail "the keyboard did not reach the town"
echo "the keyboard reached the town"
[ ! -e "$settings" ] || fail "--scale was saved"

# Ctrl+minus: back to the designed size, and that choice is saved.
xdotool key ctrl+minus
expect_size 521x351
expect_saved scale=1
xdotool key ctrl+plus
expect_size 1042x702
expect_saved scale=2
stop

# The next run opens at the saved scale.
start
expect_size 1042x702
stop

# A damaged setting: one line, and the designed window.
printf '[view]\nscale=9\n' >"$settings"
start
expect_size 521x351
stop
# (Beside the line about the sound, where there is no sound server.)
[ "$(grep -vc 'sound' "$work/stderr")" -eq 1 ] || fail "expected one line on standard error"
grep -q "^verminadia: .*'9'" "$work/stderr" || fail "the line does not name the value"

# A bad option: one line, status 2, no window.
status=0
env -u QT_QPA_PLATFORM "$game" --scale 5 2>"$work/stderr" || status=$?
[ "$status" -eq 2 ] || fail "--scale 5 gave status $status"
[ "$(grep -c . "$work/stderr")" -eq 1 ] || fail "expected one line for --scale 5"
expect_saved scale=9
echo "scale ok"
