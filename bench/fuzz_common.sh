# Shared by the fuzzers' scripts (bench/*/fuzz.sh), sourced after `set -euo pipefail`.

# Reads OUT_DIR [SECONDS [SEED]] into out, seconds and seed. With a SEED the run repeats itself:
# the fuzzer draws from that seed and keeps what it finds in a scratch folder ($scratch), not in
# OUT_DIR's corpus. Exits 77 (skipped) when clang++ is not installed.
fuzz_arguments() {
    out=$1
    seconds=${2:-60}
    seed=${3:-}
    repeat=()
    scratch=
    if [ -n "$seed" ]; then
        scratch=$(mktemp -d)
        trap 'rm -rf "$scratch"' EXIT
        repeat=(-seed="$seed")
    fi
    command -v clang++ >/dev/null || { echo "skip: clang++ is not installed"; exit 77; }
    mkdir -p "$out"
}

# Runs the fuzzer $out/NAME on CORPUS for $seconds with the further OPTIONS, prints its summary,
# and exits 1 when it found a fault.
fuzz_run() {
    local name=$1 corpus=$2
    shift 2
    echo "== $name for ${seconds}s${seed:+, seed $seed}"
    "$out/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$@" \
        "${repeat[@]}" "$corpus" 2>&1 | grep -E "^(#|==|INFO: Seed|stat::number_of_executed_units|ERROR|SUMMARY)" | tail -8
    local status=${PIPESTATUS[0]}
    [ "$status" -eq 0 ] || { echo "$name found a fault (exit $status)"; exit 1; }
}
