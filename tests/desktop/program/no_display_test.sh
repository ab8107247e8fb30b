#!/usr/bin/env bash
# Without a display the game says so in one line and exits with status 1, without a crash.
set -uo pipefail
game=$1
# A display no server has.
free=900
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do free=$((free + 1)); done
for display in "" ":$free"; do
    out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" timeout 20 "$game" 2>&1 >/dev/null)
    status=$?
    lines=$(printf '%s\n' "$out" | grep -c .)
    echo "DISPLAY='$display': status $status: $out"
    [ "$status" -eq 1 ] || { echo "expected status 1"; exit 1; }
    [ "$lines" -eq 1 ] || { echo "expected one line on standard error"; exit 1; }
    grep -q '^verminadia: ' <<<"$out" || { echo "the line should name the program"; exit 1; }
done
