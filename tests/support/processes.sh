# Sourced first by each test script that starts processes (a virtual X server, a window manager,
# a sound server, a bus, the game): whatever the script starts ends with it, however it ends: at
# its end, on a failure, on a signal, and when the test runner kills it with SIGKILL at its time
# limit. Everything the script starts inherits a mark in its environment, which daemons that leave
# the process tree keep too; a keeper outside the tree waits for the script to go, then ends what
# still bears the mark. A script started again by one of its own (dbus-run-session "$0") marks
# what it starts beneath the first mark, and ends only that.
#   . processes.sh [LIMIT] with LIMIT, fails the script, saying so, once it has run LIMIT seconds:
#                          keep it under the test's TIMEOUT, so that the script, not the runner,
#                          says what hung and ends what it started
#   on_exit COMMAND        runs COMMAND (the script's own cleanup) first when the script exits
#   wait_for SECONDS WHAT COMMAND...
#                          runs COMMAND every 0.2 s until it succeeds; fails saying it waited for
#                          WHAT when SECONDS pass first
#   start_xvfb WxHxDEPTH   a virtual X server on a free display (DISPLAY is set), answering; what
#                          it says goes to $xvfb_log
#   start_openbox          the openbox window manager on it, once it has taken the screen
#   end_started            ends what the script started (its exit does it too)

verminadia_parent_mark=${VERMINADIA_TEST_MARK:-}
export VERMINADIA_TEST_MARK=${verminadia_parent_mark:+$verminadia_parent_mark:}$$-$RANDOM$RANDOM
verminadia_on_exit=""

# The processes whose mark is this script's, or beneath it, but for those given.
verminadia_marked() {
    (
        mark=$VERMINADIA_TEST_MARK
        unset VERMINADIA_TEST_MARK
        grep -lzsE "^VERMINADIA_TEST_MARK=$mark(:|\$)" /proc/[0-9]*/environ | cut -d/ -f3 || true
    )
}

end_started() {
    local pids p
    pids=$(verminadia_marked)
    [ -n "$pids" ] || return 0
    kill -TERM $pids 2>/dev/null || true
    for _ in $(seq 50); do
        pids=$(verminadia_marked)
        [ -n "$pids" ] || return 0
        sleep 0.1
    done
    for p in $pids; do echo "ending what did not stop: $(tr '\0' ' ' <"/proc/$p/cmdline" 2>/dev/null)"; done
    kill -KILL $pids 2>/dev/null || true
}

on_exit() { verminadia_on_exit="$1; $verminadia_on_exit"; }

verminadia_exit() {
    local status=$?
    # The script has ended: its own limit no longer cuts in.
    trap - EXIT
    trap '' ALRM
    eval "$verminadia_on_exit" >/dev/null 2>&1 || true
    end_started
    exit "$status"
}
trap verminadia_exit EXIT
trap 'echo "stopped by SIGTERM: ending what the test started"; exit 143' TERM
trap 'exit 130' INT
trap 'exit 129' HUP
trap 'echo "FAIL: the test has run longer than its own limit of $verminadia_limit s"; exit 1' ALRM

# The keeper: outside the script's process tree (the runner kills the tree) and without the mark.
verminadia_limit=${1:-0}
if [ -z "$verminadia_parent_mark" ]; then
    (
        script=$$ mark=$VERMINADIA_TEST_MARK
        unset VERMINADIA_TEST_MARK
        exec setsid -f bash -c '
            start=$SECONDS late=""
            while kill -0 "$0" 2>/dev/null; do
                if [ "$2" -gt 0 ] && [ $((SECONDS - start)) -ge "$2" ] && [ -z "$late" ]; then
                    kill -ALRM "$0"; late=$SECONDS
                fi
                # A script waiting on a hung command takes the alarm only once the command ends.
                [ -n "$late" ] && [ $((SECONDS - late)) -ge 10 ] && break
                sleep 0.5
            done
            for signal in TERM TERM TERM KILL; do
                pids=$(grep -lzsE "^VERMINADIA_TEST_MARK=$1(:|\$)" /proc/[0-9]*/environ | cut -d/ -f3)
                [ -n "$pids" ] || exit 0
                kill -$signal $pids 2>/dev/null
                sleep 1
            done' "$script" "$mark" "$verminadia_limit"
    ) </dev/null >/dev/null 2>&1
fi

wait_for() {
    local limit=$1 what=$2 start=$SECONDS
    shift 2
    until "$@" >/dev/null 2>&1; do
        if [ $((SECONDS - start)) -ge "$limit" ]; then
            echo "FAIL: waited $limit s for $what"
            exit 1
        fi
        sleep 0.2
    done
}

start_xvfb() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # -displayfd: the server takes a free display itself and writes its number once it listens.
    # -noreset: without it the server resets whenever its last client leaves (the check below,
    # then each program a test starts and ends), and a client that connects meanwhile is refused.
    xvfb_log=$(mktemp)
    on_exit 'rm -f "$xvfb_log"'
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$fifo" >"$xvfb_log" 2>&1 &
    local number=""
    read -r -t 60 number <"$fifo" || true
    rm -f "$fifo"
    [ -n "$number" ] || { echo "FAIL: waited 60 s for Xvfb to take a display"; exit 1; }
    export DISPLAY=:$number
    unset XAUTHORITY
    wait_for 60 "Xvfb to answer on $DISPLAY" xdotool getdisplaygeometry
}

# Openbox names itself on the root window (_NET_SUPPORTING_WM_CHECK) as soon as it has taken the
# screen, but goes on starting for a second or more on a loaded machine, and a window mapped
# meanwhile is never managed: it stays unmapped. Openbox is ready once it has set the last of the
# root window's properties, the work area and its theme.
start_openbox() {
    openbox >/dev/null 2>&1 &
    wait_for 60 "openbox to take the screen and be ready (_NET_WORKAREA and _OB_THEME on the root window)" \
        sh -c "xprop -root _NET_WORKAREA _OB_THEME | grep -c ' = ' | grep -qx 2"
}
