#!/usr/bin/env bash
# The manual page formats without a single warning, and documents every option the game's
# --help lists.
set -uo pipefail
page=$1
game=$2
for tool in man groff; do
    command -v $tool >/dev/null || { echo "skip: $tool is not installed (Debian man-db)"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }
# man leaves a database file behind in the temporary folder: give it one that goes with the test.
TMPDIR=$(mktemp -d)
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man --warnings: $warnings"
warnings=$(groff -man -ww -z -K utf8 -Tutf8 "$page" 2>&1)
[ -z "$warnings" ] || fail "groff -ww: $warnings"

text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E UTF-8 -l "$page" 2>/dev/null)
for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES ENVIRONMENT "EXIT STATUS"; do
    grep -q "^$section" <<<"$text" || fail "no $section section"
done
options=$(env -u DISPLAY -u WAYLAND_DISPLAY "$game" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
[ -n "$options" ] || fail "the game's --help lists no option"
for option in $options; do
    grep -q -- "$option" <<<"$text" || fail "the page does not document $option"
done
grep -q 'verminadia-script' <<<"$text" || fail "the page does not mention the script driver"
echo "manual page ok; options documented: $(echo $options)"
