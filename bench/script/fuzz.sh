#!/bin/bash
# Builds the script and record reader's fuzzer with clang (libFuzzer, AddressSanitizer, UBSan) in
# OUT_DIR and runs it for SECONDS, seeded with the golden scenarios' scripts. With a SEED the run
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
fuzz_build fuzz_script "$root"/core/{,*/}*.cpp "$root"/{town,arena,ending,game,files,script}/*.cpp "$here/fuzz_script.cpp"
corpus=${scratch:-$out}/corpus_script
mkdir -p "$corpus"
cp -n "$root"/tests/scenarios/*.script "$corpus/"
fuzz_run fuzz_script "$corpus" -max_len=16384
echo "no faults found"
