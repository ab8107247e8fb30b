#!/usr/bin/env bash
# The AppStream metainfo is valid for appstreamcli, names the game's id and menu entry, and its
# newest release is the version the game says it is, as is the package changelog's.
set -uo pipefail
metainfo=$1
id=$2
version=$3
changelog=$4
command -v appstreamcli >/dev/null || { echo "skip: appstreamcli is not installed (Debian appstream)"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

appstreamcli validate --no-net "$metainfo"
status=$?
[ "$status" -eq 0 ] || fail "appstreamcli validate: status $status"

[ "$(basename "$metainfo")" = "$id.metainfo.xml" ] || fail "the file is not named after the id $id"
grep -q "<id>$id</id>" "$metainfo" || fail "the component id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the launchable is not $id.desktop"
[ -f "$(dirname "$metainfo")/$id.desktop" ] || fail "no $id.desktop beside the metainfo"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "the newest release is '$newest', the game is $version"
logged=$(head -n 1 "$changelog" | sed -n 's/^verminadia (\([^)]*\)).*/\1/p')
[ "$logged" = "$version" ] || fail "the changelog's newest entry is '$logged', the game is $version"
echo "metainfo ok"
