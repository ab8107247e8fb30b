#!/usr/bin/env bash
# After the tests: no process a test of this build started still runs. Each test runs with
# VERMINADIA_TESTS set to ROOT, this build's test homes, and whatever it starts inherits it,
# daemons too. A process that still has it after a grace (a test's keeper ending what its test
# left, a server shutting down) is listed with the test that started it, ended, and
# the check fails.
#   usage: nothing_left.sh ROOT
set -uo pipefail
root=${1:?usage: nothing_left.sh ROOT}
[ "${VERMINADIA_TESTS:-}" != "$root" ] || { echo "nothing_left.sh must not run under its own mark"; exit 2; }
left() { grep -lzsxF "VERMINADIA_TESTS=$root" /proc/[0-9]*/environ | cut -d/ -f3; }

pids=$(left)
while [ -n "$pids" ] && [ "$SECONDS" -lt 20 ]; do
    sleep 0.5
    pids=$(left)
done
[ -n "$pids" ] || { echo "no process of the tests is left"; exit 0; }
echo "FAIL: processes the tests started still run:"
for pid in $pids; do
    test=$(tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | sed -n "s|^TEST_TMPDIR=$root/\(.*\)/tmp$|\1|p")
    echo "  $pid (of ${test:-a test}): $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)"
done
kill -TERM $pids 2>/dev/null
sleep 2
pids=$(left)
[ -z "$pids" ] || kill -KILL $pids 2>/dev/null
exit 1
