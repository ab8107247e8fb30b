#!/usr/bin/env bash
# `cmake --install` to a prefix other than the configured one puts every file where the desktop
# looks for it, and the installed game runs from there.
set -uo pipefail
build=$1
id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix=$work/elsewhere
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install"; }

for f in games/verminadia \
         "share/applications/$id.desktop" \
         "share/metainfo/$id.metainfo.xml" \
         "share/icons/hicolor/scalable/apps/$id.svg" \
         share/man/man6/verminadia.6.gz \
         share/doc/verminadia/copyright share/doc/verminadia/changelog.gz; do
    [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/games/verminadia" ] || fail "the game is not executable"
# Every file of the sound table, in the game's data folder.
table=$(dirname "$0")/../../music/sounds.tsv
[ -r "$table" ] || fail "no sound table at $table"
while IFS= read -r f; do
    [ -f "$prefix/share/verminadia/$f" ] || fail "the sound file \"$f\" is not installed"
done < <(awk -F'\t' '!/^#/ && NF { print $3 }' "$table")

# Each bitmap icon at its own size, with an alpha channel for the menu's background.
for size in 16 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || fail "no ${size} px icon"
    if command -v file >/dev/null; then
        kind=$(file -b "$png")
        grep -q "PNG image data, $size x $size, 8-bit/color RGBA" <<<"$kind" || fail "${size} px icon is: $kind"
    fi
done

cd "$work"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/games/verminadia" --version) || fail "the installed game's --version"
echo "installed game says: $out"
echo "install ok"
