#!/usr/bin/env bash
# lintian finds no error in the package; its warnings and notes are shown.
set -uo pipefail
out=$1
command -v lintian >/dev/null || { echo "skip: lintian is not installed"; exit 77; }
deb=$(ls "$out"/verminadia_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no package in $out"; exit 1; }
lintian --display-info --pedantic --fail-on error "$deb" 2>&1 | grep -v 'running with root privileges'
status=${PIPESTATUS[0]}
[ "$status" -eq 0 ] || { echo "FAIL: lintian reports an error (status $status)"; exit 1; }
echo "lintian: no error"
