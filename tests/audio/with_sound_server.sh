#!/bin/bash
# Runs a command with a sound server of its own (null_sink.sh). Exits 77 (skipped) only when
# PulseAudio itself cannot start here.
#   usage: with_sound_server.sh COMMAND [ARGS...]
set -u
for tool in pulseaudio pactl; do
    command -v $tool >/dev/null || { echo "skip: $tool is not installed"; exit 77; }
done
. "$(dirname "$0")/../support/processes.sh"
. "$(dirname "$0")/null_sink.sh"
work=$(mktemp -d)
null_sink_home "$work"
on_exit 'rm -rf "$work"'
null_sink_start "$work"
# In the background, so that a signal reaches this script at once, not after the command.
"$@" &
wait $!
