# Sourced by the tests that watch the real window under a virtual X server, started as
# `TEST GAME`: whatever they start ends with them (tests/support/processes.sh), and each gives up
# after 240 s, under ctest's limit. Every wait is for a condition, with its own limit, long enough
# for a build under the sanitizers on a loaded machine.
#   xvfb_scratch SCREEN   a virtual X server whose screen is SCREEN (WxHxDEPTH), and the scratch
#                         folder `work`, also the working directory, with the settings (`settings`)
#   start_game ARGS...    the game, saying what it says in $work/stderr; sets `pid`, and `id` (the
#                         window, from xdotool) once the window is there
#   fail MESSAGE          says what failed, with what the game said, and exits 1
#   geometry              the window's place and size, as xdotool says them
#   expect_size WxH       waits for the window's client area to be W × H
#   expect_position X,Y   waits for the window to stand at X,Y (the size and the place may arrive
#                         apart)
#   expect_saved LINE     waits for the settings file to hold this line
. "$(dirname "${BASH_SOURCE[0]}")/../../support/processes.sh" 240
title=${VERMINADIA_TITLE:-ヴェルミナーディア外伝}

xvfb_scratch() {
    work=$(mktemp -d)
    on_exit 'rm -rf "$work"'
    start_xvfb "$1"
    export XDG_CONFIG_HOME=$work/config DBUS_SESSION_BUS_ADDRESS=disabled:
    settings=$XDG_CONFIG_HOME/verminadia/verminadia.conf
    cd "$work"
}
start_game() {
    : >"$work/stderr"
    env -u QT_QPA_PLATFORM "$game" "$@" 2>"$work/stderr" &
    pid=$!
    id=""
    local start=$SECONDS
    until id=$(xdotool search --name "$title" 2>/dev/null | head -n 1) && [ -n "$id" ]; do
        kill -0 "$pid" 2>/dev/null || fail "the game ended before its window appeared" \
            "(the X server on $DISPLAY $(xdotool getdisplaygeometry >/dev/null 2>&1 && echo answers || echo "does not answer: $(tail -n 3 "$xvfb_log")"))"
        [ $((SECONDS - start)) -lt 60 ] || fail "waited 60 s for the window named $title"
        sleep 0.2
    done
}
stop_game() {
    if [ -n "${pid:-}" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        pid=""
    fi
}
fail() {
    echo "FAIL: $*"
    cat "$work/stderr" 2>/dev/null
    exit 1
}
geometry() { xdotool getwindowgeometry "$id"; }
# Waits up to 30 s for xdotool's account of the window to match PATTERN; else fails with WHAT.
expect_geometry() {
    local start=$SECONDS
    until geometry | grep -q "$1"; do
        if [ $((SECONDS - start)) -ge 30 ]; then
            geometry
            fail "$2 (waited 30 s)"
        fi
        sleep 0.1
    done
}
expect_size() { expect_geometry "Geometry: $1\$" "the window is not $1"; }
expect_position() { expect_geometry "Position: $1 " "the window is not at $1"; }
expect_saved() {
    local start=$SECONDS
    until grep -qx "$1" "$settings" 2>/dev/null; do
        [ $((SECONDS - start)) -lt 30 ] || fail "$1 was not saved (waited 30 s): $(cat "$settings" 2>/dev/null)"
        sleep 0.1
    done
}
