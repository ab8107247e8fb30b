# Sourced by the tests that need a sound server: a private PulseAudio whose only sink is a null
# sink named "test", so that the game's audio thread really runs on a machine without a sound card
# or desktop, and what it plays can be recorded at test.monitor.
# The test sources tests/support/processes.sh first: the server and the game end with it.
#   null_sink_home WORK   the server's runtime folder and home under WORK, and no other server
#   null_sink_start WORK  starts it and waits until it answers; exits 77 (skipped) when PulseAudio
#                         cannot start here, and fails when it started but never answered
#   null_sink_stop        stops it, and waits until it is gone
# And for the tests that play the game and listen to it:
#   record FILE / stoprecord     what the server plays, as raw 16-bit stereo at 44100 Hz
#   startgame WORK GAME [ARGS]   the game in a process group of its own, so that stopgame ends
#                                what it starts too, saying what it says in WORK/game.out and
#                                WORK/game.err
#   stopgame                     it and everything it started
#   heard_cleanup WORK           whatever of these still runs, the server, and WORK itself

null_sink_home() {
    export XDG_RUNTIME_DIR=$1/xdg HOME=$1
    unset PULSE_SERVER
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

null_sink_start() {
    # In the foreground, as the test's own child: a daemon would outlive a killed test.
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --disallow-exit --log-target=stderr \
        --load="module-null-sink sink_name=test" --load=module-native-protocol-unix 2>"$1/pa.log" &
    pa=$!
    # A loaded machine, or a build under the sanitizers beside it, can keep it many seconds.
    local start=$SECONDS
    until pactl info >/dev/null 2>&1; do
        if ! kill -0 "$pa" 2>/dev/null; then
            echo "skip: PulseAudio cannot start here:"
            cat "$1/pa.log"
            exit 77
        fi
        if [ $((SECONDS - start)) -ge 60 ]; then
            echo "FAIL: waited 60 s for the PulseAudio started here to answer"
            cat "$1/pa.log"
            exit 1
        fi
        sleep 0.1
    done
    pactl set-default-sink test
}
null_sink_stop() {
    kill "$pa" 2>/dev/null
    wait "$pa" 2>/dev/null
    pa=
}

record() {
    parec -d test.monitor --raw --format=s16le --rate=44100 --channels=2 >"$1" &
    rec=$!
}
stoprecord() {
    kill "$rec"
    wait "$rec" 2>/dev/null
    rec=
}
startgame() {
    local work=$1 game=$2
    shift 2
    setsid env -u QT_QPA_PLATFORM "$game" "$@" >"$work/game.out" 2>"$work/game.err" &
    gamepid=$!
}
stopgame() {
    kill -- -"$gamepid"
    wait "$gamepid" 2>/dev/null
    gamepid=
}
heard_cleanup() {
    [ -n "${rec:-}" ] && kill "$rec" 2>/dev/null
    [ -n "${gamepid:-}" ] && kill -- -"$gamepid" 2>/dev/null
    [ -n "${pa:-}" ] && kill "$pa" 2>/dev/null
    # These alone: the virtual X server, another child, ends only when the test does.
    local started="${rec:-} ${gamepid:-} ${pa:-}"
    [ -z "${started// /}" ] || wait $started 2>/dev/null
    rm -rf "$1"
}
