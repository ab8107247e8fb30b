# Sourced by the tests that need a sound server: a private PulseAudio whose only sink is a null
# sink named "test", so that the game's audio thread really runs on a machine without a sound card
# or desktop, and what it plays can be recorded at test.monitor.
#   null_sink_home WORK   the server's runtime folder and home under WORK, and no other server
#   null_sink_start WORK  starts it and waits until it answers; exits 77 (skipped) when PulseAudio
#                         cannot start here. `pulseaudio --kill` stops it.

null_sink_home() {
    export XDG_RUNTIME_DIR=$1/xdg HOME=$1
    unset PULSE_SERVER
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

null_sink_start() {
    # With -D, pulseaudio returns once the daemon is ready for clients.
    if ! pulseaudio -D --exit-idle-time=-1 -n --disallow-exit --log-target=stderr \
            --load="module-null-sink sink_name=test" --load=module-native-protocol-unix 2>"$1/pa.log"; then
        echo "skip: PulseAudio cannot start here"
        cat "$1/pa.log"
        exit 77
    fi
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl info >/dev/null 2>&1 || { echo "skip: PulseAudio did not answer"; exit 77; }
    pactl set-default-sink test
}
