#!/bin/bash
# Builds the window's session record reader's fuzzer with clang (libFuzzer, AddressSanitizer, UBSan)
# in OUT_DIR and runs it for SECONDS, seeded with the golden scenarios' records. With a SEED the run
# repeats itself: the fuzzer draws from that seed, starts from the scenarios alone and keeps what it
# finds in a scratch folder, not in OUT_DIR's corpus. Exits 1 when it finds a fault, and 77
# (skipped), saying why, when clang++ cannot build a fuzzer here. The generated headers
# (music/sounds.h) are taken from GENERATED, by default the folder "generated" of the build folder
# "build".
#   usage: [GENERATED=DIR] fuzz.sh OUT_DIR [SECONDS [SEED]]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/bench/fuzz_common.sh"
fuzz_arguments "$@"
fuzz_build fuzz_record "$root"/core/{,*/}*.cpp "$root"/{town,arena,ending,game,files,script}/*.cpp \
    "$root"/frontend/session/{session,paced_replay}.cpp "$here/fuzz_record.cpp"
corpus=${scratch:-$out}/corpus_record
mkdir -p "$corpus"
# The scenarios as the window would have recorded them: their draws, clicks, ticks and comments.
for script in "$root"/tests/scenarios/*.script; do
    seed_file=$corpus/$(basename "$script")
    [ -e "$seed_file" ] || grep -E '^[[:space:]]*(#|draw |click |tick |$)' "$script" > "$seed_file" || true
done
fuzz_run fuzz_record "$corpus" -max_len=16384
echo "no faults found"
