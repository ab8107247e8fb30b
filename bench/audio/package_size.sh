#!/bin/bash
# The game's download from the archive: its .deb, and the packages its Depends bring that Qt and
# the font do not bring already (each package with everything it depends on, from apt's cache).
#   usage: package_size.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && LC_ALL=C.UTF-8 cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/verminadia_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The first of each set of alternatives, without versions.
mapfile -t direct < <(echo "$depends" | tr ',' '\n' | sed 's/|.*//; s/(.*)//; s/[[:space:]]//g' | grep .)
closure() {
    apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks --no-replaces \
        --no-enhances "$@" 2>/dev/null | grep -v '^[[:space:]<]' | sort -u
}
mapfile -t given < <(printf '%s\n' "${direct[@]}" | grep -E '^(libqt6|fonts-ipafont)')
mapfile -t ours < <(printf '%s\n' "${direct[@]}" | grep -vE '^(libqt6|fonts-ipafont)')
closure "${given[@]}" >"$out/given"
closure "${ours[@]}" >"$out/ours"
mapfile -t extra < <(comm -23 "$out/ours" "$out/given")
bytes=0
for p in "${extra[@]}"; do
    size=$(apt-cache show --no-all-versions "$p" 2>/dev/null | awk '/^Size:/ {print $2; exit}')
    bytes=$((bytes + ${size:-0}))
done
debBytes=$(stat -c %s "$deb")
echo "beyond Qt and the font: ${extra[*]:-nothing}"
awk -v d="$debBytes" -v e="$bytes" 'BEGIN { printf "download: the .deb %.2f MB + its dependencies %.2f MB = %.2f MB (target <= 15 MB)\n", d/1e6, e/1e6, (d+e)/1e6 }'
