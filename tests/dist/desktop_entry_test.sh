#!/usr/bin/env bash
# The menu entry is valid for the desktop's own validator and names the game's id, command and
# icon.
set -uo pipefail
entry=$1
id=$2
command -v desktop-file-validate >/dev/null || { echo "skip: desktop-file-validate is not installed (Debian desktop-file-utils)"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

out=$(desktop-file-validate "$entry" 2>&1)
status=$?
echo "desktop-file-validate: status $status${out:+: $out}"
[ "$status" -eq 0 ] && [ -z "$out" ] || fail "desktop-file-validate is not content"

[ "$(basename "$entry")" = "$id.desktop" ] || fail "the file is not named after the id $id"
key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key Icon)" = "$id" ] || fail "Icon is '$(key Icon)', not the id"
[ "$(key Exec)" = verminadia ] || fail "Exec is '$(key Exec)'"
[ "$(key Categories)" = 'Game;RolePlaying;' ] || fail "Categories is '$(key Categories)'"
for k in Name 'Name\[ja\]' Comment 'Comment\[ja\]' Keywords; do
    [ -n "$(key "$k")" ] || fail "no $k"
done
echo "desktop entry ok"
