#!/usr/bin/env bash
# Makes the .deb with CPack, as `make package` does, into a folder of its own for the tests that
# look at it, and checks its name and what it asks for.
set -uo pipefail
build=$1
out=$2
version=$3
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v $tool >/dev/null || { echo "skip: $tool is not installed (Debian dpkg-dev)"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$out"
mkdir -p "$out"
# CPack cannot store the sound files' Japanese names under a locale that is not UTF-8.
LC_ALL=C.UTF-8 cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; fail "cpack"; }
deb=$out/verminadia_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$out"; fail "no $(basename "$deb")"; }
rm -rf "$out/_CPack_Packages"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for wanted in 'fonts-ipafont-gothic' 'libqt6widgets6' 'libc6' 'libpulse0' 'libsndfile1'; do
    grep -qF "$wanted" <<<"$depends" || fail "Depends lacks $wanted"
done
grep -q 'soundfont' <<<"$depends" && fail "Depends names a SoundFont: the music is rendered at build time"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the section is not games"
echo "made $(basename "$deb")"
