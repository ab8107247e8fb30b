#!/bin/bash
# Passes when COMMAND exits 1 saying it "found a fault"; skipped (77) when it is; fails otherwise,
# a planted fault read as a success or a skip first.
#   usage: expect_fault.sh COMMAND...
set -uo pipefail
output=$("$@" 2>&1)
status=$?
echo "$output"
[ "$status" -eq 77 ] && exit 77
if [ "$status" -ne 1 ] || ! grep -q "found a fault" <<<"$output"; then
    echo "FAIL: the planted fault was not reported (exit $status)"
    exit 1
fi
echo "the planted fault was reported"
