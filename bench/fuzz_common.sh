# Shared by the fuzzers' scripts (bench/*/fuzz.sh), sourced after `set -euo pipefail`.
# A script exits 0 when the fuzzer found nothing, 1 when it found a fault (a crash, an uncaught
# exception, a leak, a timeout) or could not be built from our sources, and 77 (skipped) only when
# this machine cannot build a fuzzer at all. libFuzzer's own exit code for a fault is 77 too, so
# it is never passed on: every run's status is read and turned into 1.

# Reads OUT_DIR [SECONDS [SEED]] into out, seconds and seed. With a SEED the run repeats itself:
# the fuzzer draws from that seed and keeps what it finds in a scratch folder ($scratch), not in
# OUT_DIR's corpus. Exits 77 (skipped), saying why, when clang++ is not installed or cannot link a
# libFuzzer target.
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
    fuzz_probe
}

# Skips, with clang's first complaint, when clang++ cannot link the smallest fuzzer with the
# sanitizers' and libFuzzer's runtimes (installed apart from the compiler on some systems).
fuzz_probe() {
    local why
    printf '%s\n' '#include <cstddef>' '#include <cstdint>' \
        'extern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }' > "$out/probe.cpp"
    if ! why=$(clang++ -fsanitize=fuzzer,address,undefined "$out/probe.cpp" -o "$out/probe" 2>&1); then
        echo "skip: clang++ cannot link a libFuzzer target here: ${why%%$'\n'*}"
        exit 77
    fi
}

# Builds $out/NAME with clang (libFuzzer, AddressSanitizer, UBSan) from SOURCES, when it is missing
# or older than any of them or of the headers beside them. The generated headers (music/sounds.h)
# come from $GENERATED, by default the folder "generated" of the build folder "build".
fuzz_build() {
    local name=$1
    shift
    local sources=("$@") headers=() dirs src header
    local flags=(-std=c++20 -O1 -g -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                 -I"$root" -I"${GENERATED:-$root/build/generated}")
    mapfile -t dirs < <(for src in "${sources[@]}"; do dirname "$src"; done | sort -u)
    for src in "${dirs[@]}"; do
        for header in "$src"/*.h; do
            if [ -e "$header" ]; then headers+=("$header"); fi
        done
    done
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
    local name=$1 corpus=$2 log status=0
    shift 2
    echo "== $name for ${seconds}s${seed:+, seed $seed}"
    log=$out/$name.log
    # What it found is kept in $out, beside its log.
    "$out/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -error_exitcode=1 -timeout_exitcode=1 -artifact_prefix="$out/" "$@" "${repeat[@]}" "$corpus" \
        > "$log" 2>&1 || status=$?
    grep -E "^(#|==|INFO: Seed|stat::number_of_executed_units|ERROR|SUMMARY|terminate called)" "$log" | tail -8 || true
    [ "$status" -eq 0 ] && return
    echo "-- the end of $log:"
    tail -40 "$log"
    echo "$name found a fault (exit $status)"
    exit 1
}
