#!/usr/bin/env bash
# The README says what the game is in the same words as dist/description.txt, from which the
# build writes --help, the package, the manual page, the metainfo and the menu entry: its
# summary and each of its paragraphs stand in the README, however the lines are wrapped.
set -uo pipefail
description=$1
readme=$2
fail() { echo "FAIL: $*"; exit 1; }

flat() { tr -s '[:space:]' ' '; }
text=$(flat < "$readme")
checked=0
while IFS= read -r -d '' piece; do
    [ -n "$piece" ] || continue
    grep -qF -- "$piece" <<<"$text" || fail "the README does not say: $piece"
    checked=$((checked + 1))
done < <(grep -v '^#' "$description" | awk 'BEGIN { RS = ""; ORS = "\0" } { print }' |
         while IFS= read -r -d '' p; do printf '%s\0' "$(flat <<<"$p" | sed 's/ $//')"; done)
[ "$checked" -ge 2 ] || fail "$description holds no summary and description"
echo "the README says the summary and the $((checked - 1)) paragraph(s) of $description"
