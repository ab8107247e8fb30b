#!/bin/bash
# The level test run in a copy of the build's sound files with one effect replaced by garbage: it
# must fail, naming the file, never pass or skip. Run in the build folder.
#   usage: broken_sound_test.sh LEVEL_TESTS SOUNDS_TSV
set -euo pipefail
tests=$1
broken=$(awk -F'\t' '$4 == "effect" { print $3; exit }' "$2")
copy=$(mktemp -d "${TEST_TMPDIR:-/tmp}/broken.XXXXXX")
trap 'rm -rf "$copy"' EXIT
while IFS= read -r file; do cp -- "$file" "$copy/"; done < <(awk -F'\t' '!/^#/ && NF >= 4 { print $3 }' "$2")
head -c 4096 /dev/urandom > "$copy/$broken"
cd "$copy"
status=0
output=$("$tests" 2>&1) || status=$?
if [ "$status" -eq 0 ] || grep -q "Skipped" <<<"$output" || ! grep -qF "\"$broken\" does not load" <<<"$output"; then
    echo "$output" | tail -20
    echo "FAIL: a garbled \"$broken\" was not reported as a failure (exit $status)"
    exit 1
fi
echo "a garbled \"$broken\" fails the level test (exit $status)"
