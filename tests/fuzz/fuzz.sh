#!/bin/bash
# Builds the planted fault KIND (KIND.cpp here) as the fuzzers' scripts build theirs, and runs it
# as they run theirs, for at most 20 s with seed 1: it must exit 1, saying it found a fault.
#   usage: fuzz.sh OUT_DIR KIND
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/bench/fuzz_common.sh"
kind=$2
fuzz_arguments "$1" 20 1
fuzz_build "planted_$kind" "$here/$kind.cpp"
corpus=$scratch/corpus
mkdir -p "$corpus"
fuzz_run "planted_$kind" "$corpus"
echo "no faults found"
