#!/bin/bash
# Builds the rendered tunes' (Ogg Vorbis) and the WAVs' loading fuzzers with clang (libFuzzer,
# AddressSanitizer, UBSan) in OUT_DIR and runs each for SECONDS, seeded with the game's own sound
# files from the working directory. With a SEED the run repeats itself: the fuzzers draw from that
# seed, start from the game's files alone and keep what they find in a scratch folder, not in
# OUT_DIR's corpus. Exits 1 when it finds a fault, and 77 (skipped), saying why, when clang++ cannot
# build a fuzzer here.
#   usage: fuzz.sh OUT_DIR [SECONDS [SEED]]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/bench/fuzz_common.sh"
fuzz_arguments "$@"
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I"$root"
       $(pkg-config --cflags sndfile libpulse))
libs=(-ldl -pthread)
sources=("$root"/audio/{clip,track,mixer,system_libraries}.cpp)
for kind in ogg wav; do
    if [ ! -x "$out/fuzz_$kind" ] || [ -n "$(find "$here/fuzz_$kind.cpp" "$root/audio" -newer "$out/fuzz_$kind" -print -quit)" ]; then
        clang++ "${flags[@]}" "$here/fuzz_$kind.cpp" "${sources[@]}" "${libs[@]}" -o "$out/fuzz_$kind"
    fi
    corpus=${scratch:-$out}/corpus_$kind
    mkdir -p "$corpus"
    find . -maxdepth 1 -name "*.$kind" -exec cp -n {} "$corpus/" \; 2>/dev/null || true
    # Leaks inside libsndfile's own caches are not ours to fix here.
    ASAN_OPTIONS=detect_leaks=0 fuzz_run "fuzz_$kind" "$corpus" -max_len=65536
done
echo "no faults found"
