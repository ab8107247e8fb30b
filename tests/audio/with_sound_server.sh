#!/bin/bash
# Runs a command with a sound server of its own: a private PulseAudio whose only sink is a null
# sink, so that the game's audio thread really runs on a machine without a sound card or desktop.
# Exits 77 (skipped) only when PulseAudio itself cannot start here.
#   usage: with_sound_server.sh COMMAND [ARGS...]
set -u
command -v pulseaudio >/dev/null || { echo "skip: pulseaudio is not installed"; exit 77; }
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/xdg HOME=$work
unset PULSE_SERVER
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cleanup() {
    pulseaudio --kill 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# With -D, pulseaudio returns once the daemon is ready for clients.
if ! pulseaudio -D --exit-idle-time=-1 -n --disallow-exit --log-target=stderr \
        --load="module-null-sink sink_name=test" --load=module-native-protocol-unix 2>"$work/pa.log"; then
    echo "skip: PulseAudio cannot start here"
    cat "$work/pa.log"
    exit 77
fi
"$@"
status=$?
exit $status
