# Sourced by the tests that watch the real window under a virtual X server, started as
# `TEST GAME`. They set `id` (the window, from xdotool); xvfb_scratch sets `work` (their scratch
# folder, with the game's standard error in $work/stderr) and `settings` (the game's settings file).
#   inside_xvfb SCREEN GAME [--inside]  runs the test again inside a virtual X server whose screen
#                         is SCREEN (WxHxDEPTH), unless it already runs there
#   xvfb_scratch          the scratch folder, also the working directory, with the settings in it
#   fail MESSAGE          says what failed, with what the game said, and exits 1
#   geometry              the window's place and size, as xdotool says them
#   expect_size WxH       waits up to 5 s for the window's client area to be W × H
#   expect_position X,Y   waits up to 5 s for the window to stand at X,Y (the size and the place
#                         may arrive apart)
#   expect_saved LINE     waits up to 5 s for the settings file to hold this line

inside_xvfb() {
    [ "${3:-}" = --inside ] && return 0
    exec xvfb-run -a -s "-screen 0 $1" "$0" "$2" --inside
}
xvfb_scratch() {
    work=$(mktemp -d)
    export XDG_CONFIG_HOME=$work/config DBUS_SESSION_BUS_ADDRESS=disabled:
    settings=$XDG_CONFIG_HOME/verminadia/verminadia.conf
    cd "$work"
}
fail() {
    echo "FAIL: $*"
    cat "$work/stderr" 2>/dev/null
    exit 1
}
geometry() { xdotool getwindowgeometry "$id"; }
# Waits up to 5 s for xdotool's account of the window to match PATTERN; else fails with WHAT.
expect_geometry() {
    for _ in $(seq 50); do
        geometry | grep -q "$1" && return 0
        sleep 0.1
    done
    geometry
    fail "$2"
}
expect_size() { expect_geometry "Geometry: $1\$" "the window is not $1"; }
expect_position() { expect_geometry "Position: $1 " "the window is not at $1"; }
expect_saved() {
    for _ in $(seq 50); do
        grep -qx "$1" "$settings" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "$1 was not saved: $(cat "$settings" 2>/dev/null)"
}
