#!/bin/bash
# Runs a command with a sound server of its own (null_sink.sh). Exits 77 (skipped) only when
# PulseAudio itself cannot start here.
#   usage: with_sound_server.sh COMMAND [ARGS...]
set -u
for tool in pulseaudio pactl; do
    command -v $tool >/dev/null || { echo "skip: $tool is not installed"; exit 77; }
done
. "$(dirname "$0")/null_sink.sh"
work=$(mktemp -d)
null_sink_home "$work"
cleanup() {
    pulseaudio --kill 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
null_sink_start "$work"
"$@"
