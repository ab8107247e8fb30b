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

# Builds $out/NAME with clang (libFuzzer, AddressSanitizer, UBSan) from SOURCES, when it is missing
# or older than any of them or of the headers beside them. The generated headers (music/sounds.h)
# come from $GENERATED, by default the folder "generated" of the build folder "build".
fuzz_build() {
    local name=$1
    shift
    local sources=("$@") headers=() dirs src
    local flags=(-std=c++20 -O1 -g -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                 -I"$root" -I"${GENERATED:-$root/build/generated}")
    mapfile -t dirs < <(for src in "${sources[@]}"; do dirname "$src"; done | sort -u)
    for src in "${dirs[@]}"; do headers+=("$src"/*.h); done
    if [ -x "$out/$name" ] && [ -z "$(find "${sources[@]}" "${headers[@]}" -newer "$out/$name" -print -quit)" ]; then
        return
    fi
    local objects=$out/$name.o pids=()
    rm -rf "$objects"
    mkdir -p "$objects"
    # The game is some forty files: two at a time.
    for src in "${sources[@]}"; do
        clang++ "${flags[@]}" -c "$src" -o "$objects/$(basename "$(dirname "$src")")_$(basename "$src").o" &
        pids+=($!)
        if [ ${#pids[@]} -ge 2 ]; then
            wait "${pids[0]}"
            pids=("${pids[@]:1}")
        fi
    done
    for pid in "${pids[@]}"; do wait "$pid"; done
    clang++ -fsanitize=fuzzer,address,undefined "$objects"/*.o -o "$out/$name"
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
