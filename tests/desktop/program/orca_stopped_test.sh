#!/usr/bin/env bash
# The Orca test leaves nothing behind when it is stopped: once its session runs (Xvfb, the buses,
# openbox, the sound server, Orca speaking, the game), the test's shell is stopped with SIGTERM,
# then, in a second session, with SIGKILL as ctest's time limit gives it; each time no process of
# the session is left. Exits 77 when Orca is not installed.
set -euo pipefail
game=$1
here=$(cd "$(dirname "$0")" && pwd)
command -v orca >/dev/null && [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: orca is not installed"; exit 77; }
. "$here/../../support/processes.sh" 240
# The Orca test makes its sessions' folders here.
TMPDIR=$(mktemp -d)
export TMPDIR
on_exit 'rm -rf "$TMPDIR"'
session() { grep -lzsE "^VERMINADIA_ORCA_SESSION=$TMPDIR/" /proc/[0-9]*/environ | cut -d/ -f3; }
game_runs() { for p in $(session); do [ "$(cat "/proc/$p/comm" 2>/dev/null)" = verminadia ] && return 0; done; return 1; }
for signal in TERM KILL; do
    # A test of its own, as ctest starts it: not one of this script's processes.
    env -u VERMINADIA_TEST_MARK "$here/orca_test.sh" "$game" ja >"$TMPDIR/$signal.out" 2>&1 &
    test=$!
    wait_for 180 "Orca to speak and the game to run in the Orca test's session" game_runs
    wait_for 60 "Orca to speak" sh -c "grep -qs 'SPEECH OUTPUT' '$TMPDIR'/tmp.*/ja/orca.log"
    echo "the session runs $(session | wc -w) processes; SIG$signal to the test"
    kill -"$signal" "$test"
    wait "$test" || true
    start=$SECONDS
    while [ -n "$(session)" ]; do
        if [ $((SECONDS - start)) -ge 30 ]; then
            echo "FAIL: 30 s after SIG$signal, the session still runs:"
            for p in $(session); do echo "  $p: $(tr '\0' ' ' <"/proc/$p/cmdline")"; done
            exit 1
        fi
        sleep 0.2
    done
    echo "after SIG$signal, nothing of the session is left ($((SECONDS - start)) s)"
    rm -rf "$TMPDIR"/tmp.*
done
